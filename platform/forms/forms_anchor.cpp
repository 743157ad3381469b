// Anchor of the forms library.

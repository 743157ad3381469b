// Anchor of the effects library.

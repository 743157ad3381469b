// Anchor of the quickview library.

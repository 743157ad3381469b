// Anchor of the orvanta_ui library.

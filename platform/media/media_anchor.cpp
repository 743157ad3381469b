// Anchor of the media library.

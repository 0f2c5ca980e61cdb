// Removed once the sound adapters exist.

// Keeps the texts library non-empty before any text exists.

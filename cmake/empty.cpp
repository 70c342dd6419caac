// Placeholder for a library whose folder holds no source yet.

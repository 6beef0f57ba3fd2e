// Replaced by the reading and About windows.

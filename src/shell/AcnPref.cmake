# The preferences dialog: target tessarin_prefs (filled in with the dialog).

// Shared helpers of the GUI tests live in this folder.

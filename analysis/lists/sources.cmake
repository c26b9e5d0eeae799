# Filled in with the reference lists and the step that builds them into the binary.

// Anchor of the workbench_shared library.

"""End-to-end harness: Wine prefixes, Xvfb, the window probe, the operator server and
process helpers for tests of the real executable (see tests/e2e/README.md)."""

// Links a leaf library whole with nothing but its own dependencies: a call from it into a module
// above it leaves an undefined symbol, and the build stops.
int main() { return 0; }

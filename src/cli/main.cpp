#include <cstdio>
int main() { std::puts("tunewright-cli"); return 0; }

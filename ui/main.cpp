#include <cstdio>
int main() { std::puts("quavix"); }

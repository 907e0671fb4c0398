#include <cstdio>

int main() {
    std::puts("solvane-cli");
    return 0;
}

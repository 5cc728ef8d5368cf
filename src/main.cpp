#include "entry.hpp"

int main(int argc, char** argv) {
    return netsieve::run(argc, argv);
}

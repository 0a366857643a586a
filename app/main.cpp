#include "program/Launch.h"

int main(int argc, char* argv[]) {
    return av::launch(argc, argv);
}

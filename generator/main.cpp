#include "platform.hpp"
#include "run_driver.hpp"

int main(int argc, char** argv) { return static_cast<int>(kestrin::run(kestrin::platform::arguments(argc, argv))); }

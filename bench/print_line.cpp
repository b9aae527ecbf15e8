// SPDX-License-Identifier: MIT
// The floor for erakon-cli's start-up: a C++ program that only prints a line.
#include <iostream>

int main() { std::cout << "2023年 — 令和5年, 今年, 卯（う）\n"; }

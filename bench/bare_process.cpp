// The floor for one run of the reading tool: a C++ program that starts,
// writes one line through the standard streams and ends.
#include <iostream>

int main()
{
    std::cout << "Position: -\n";
    return 0;
}

#include "bench/BenchTable.h"

int main()
{
    benchHeader();
    return 0;
}

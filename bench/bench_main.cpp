// The entry point of the benchmark programs.
//
// With "--reuse-memory" the allocator keeps freed blocks of any size in the
// heap instead of giving them back to the kernel, so that large results do
// not take fresh, zeroed pages from the kernel on every iteration, just as
// memcpy's target does not. Without it every iteration pays for fresh pages,
// as a program that does the work once does.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--reuse-memory") {
            mallopt(M_MMAP_THRESHOLD, 1 << 30);
            mallopt(M_TRIM_THRESHOLD, 1 << 30);
            std::printf("allocator: freed blocks stay in the heap\n");
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

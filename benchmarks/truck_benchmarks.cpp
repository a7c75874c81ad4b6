// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

#include <universe/truck.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

// A stream buffer that takes everything and keeps nothing.
class DiscardingBuffer : public std::streambuf
{
protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char *, std::streamsize count) override { return count; }
};

// Points std::cout at another buffer while in scope.
class CoutRedirect
{
public:
    explicit CoutRedirect(std::streambuf *buffer)
        : saved(std::cout.rdbuf(buffer))
    {
    }
    ~CoutRedirect() { std::cout.rdbuf(saved); }
    CoutRedirect(const CoutRedirect &) = delete;
    CoutRedirect &operator=(const CoutRedirect &) = delete;

private:
    std::streambuf *saved;
};

void fill(Truck &truck, int64_t flavors)
{
    for (int64_t i = 0; i < flavors; ++i)
        truck.addIcecreamFlavor(new Icecream("flavor number " + std::to_string(i)));
}

void deliver(benchmark::State &state)
{
    DiscardingBuffer sink;
    CoutRedirect redirect(&sink);
    const Truck truck;
    for (auto _ : state)
        benchmark::DoNotOptimize(truck.deliver());
}
BENCHMARK(deliver);

void copy_construct(benchmark::State &state)
{
    Truck source;
    fill(source, state.range(0));
    for (auto _ : state) {
        Truck copy(source);
        benchmark::DoNotOptimize(&copy);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(copy_construct)->Arg(10)->Arg(1000)->Arg(100000)->Complexity(benchmark::oN);

void assign(benchmark::State &state)
{
    Truck source;
    fill(source, state.range(0));
    Truck target;
    for (auto _ : state) {
        target = source;
        benchmark::DoNotOptimize(&target);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(assign)->Arg(10)->Arg(1000)->Arg(100000)->Complexity(benchmark::oN);

void list(benchmark::State &state)
{
    Truck truck;
    fill(truck, state.range(0));
    DiscardingBuffer sink;
    CoutRedirect redirect(&sink);
    for (auto _ : state)
        truck.printAvailableFlavors();
    state.SetComplexityN(state.range(0));
}
BENCHMARK(list)->Arg(10)->Arg(1000)->Arg(100000)->Complexity(benchmark::oN);

// write(2) calls this process has made so far, from /proc/self/io.
int64_t writeCalls()
{
    std::ifstream io("/proc/self/io");
    std::string key;
    int64_t value = 0;
    while (io >> key >> value) {
        if (key == "syscw:")
            return value;
    }
    return -1;
}

// Listing 100,000 flavors to a pipe through the real std::cout: the count of
// writes that reach the kernel shows that nothing flushes line by line.
void list_to_pipe(benchmark::State &state)
{
    Truck truck;
    fill(truck, state.range(0));
    int ends[2];
    if (pipe(ends) != 0) {
        state.SkipWithError("no pipe");
        return;
    }
    std::thread drain([reader = ends[0]] {
        char buffer[65536];
        while (read(reader, buffer, sizeof buffer) > 0) {}
    });
    std::fflush(stdout);
    const int savedStdout = dup(STDOUT_FILENO);
    dup2(ends[1], STDOUT_FILENO);

    int64_t writes = 0;
    for (auto _ : state) {
        const int64_t before = writeCalls();
        truck.printAvailableFlavors();
        writes += writeCalls() - before;
        state.PauseTiming();
        std::fflush(stdout); // the tail still in stdio's buffer, outside the count
        state.ResumeTiming();
    }

    dup2(savedStdout, STDOUT_FILENO);
    close(savedStdout);
    close(ends[1]);
    drain.join();
    close(ends[0]);
    state.counters["writes_per_listing"] = benchmark::Counter(double(writes), benchmark::Counter::kAvgIterations);
    state.counters["lines_per_listing"] = double(state.range(0) + 2);
}
BENCHMARK(list_to_pipe)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

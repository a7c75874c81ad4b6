// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

// Trucks used on several threads at once, each thread with trucks of its own,
// all writing to the one std::cout. Run under ThreadSanitizer too (tsan preset).
#include <universe/truck.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// Sends the process's standard output to a temporary file while in scope, at the
// file-descriptor level: std::cout writes through stdio, which stays untouched.
class StdoutToFile
{
public:
    StdoutToFile()
        : file(std::tmpfile())
    {
        std::fflush(stdout);
        saved = dup(STDOUT_FILENO);
        dup2(fileno(file), STDOUT_FILENO);
    }
    ~StdoutToFile()
    {
        restore();
        std::fclose(file);
    }
    StdoutToFile(const StdoutToFile &) = delete;
    StdoutToFile &operator=(const StdoutToFile &) = delete;

    // Everything written since construction; standard output is restored.
    std::string finish()
    {
        restore();
        std::string text;
        std::rewind(file);
        for (int c; (c = std::fgetc(file)) != EOF;)
            text += char(c);
        return text;
    }

private:
    void restore()
    {
        if (saved < 0)
            return;
        std::fflush(stdout);
        dup2(saved, STDOUT_FILENO);
        close(saved);
        saved = -1;
    }

    std::FILE *file;
    int saved = -1;
};

int occurrences(const std::string &text, const std::string &piece)
{
    int count = 0;
    for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at + piece.size()))
        ++count;
    return count;
}

} // namespace

TEST(threads, trucks_on_several_threads_write_whole_messages)
{
    constexpr int threadCount = 4;
    constexpr int rounds = 100;
    StdoutToFile output;
    std::vector<std::thread> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back([t] {
            Truck original(true);
            original.addIcecreamFlavor(new Icecream("flavor of thread " + std::to_string(t)));
            for (int round = 0; round < rounds; ++round) {
                auto copy = std::make_unique<Truck>(original);
                copy->setLeaveOnDestruction(true);
                copy->deliver();
                Truck assigned;
                assigned = *copy;
                copy.reset();
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    const std::string text = output.finish();

    // Each message is one insertion, so other threads' text never splits it.
    EXPECT_EQ(occurrences(text, "The truck started delivering icecream to all the kids in the neighborhood.\n"),
              threadCount * rounds);
    EXPECT_EQ(occurrences(text, "The truck left the neighborhood.\n"), threadCount * (rounds + 1));
}

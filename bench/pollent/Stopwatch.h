#pragma once
// One measurement: the wall clock, and the processor time of this process
// (user and system; unlike the wall clock it does not count what other
// programs on the machine take), printed as "N wall-ms user-ms system-ms
// peak-kB" for the parent process that gathers the runs.

#include <QElapsedTimer>
#include <cstdio>
#include <sys/resource.h>

namespace bench {

class Stopwatch {
public:
    Stopwatch() : cpu_(now()) { wall_.start(); }

    void stop()
    {
        wallMs_ = wall_.elapsed();
        const Cpu end = now();
        userMs_ = end.user - cpu_.user;
        systemMs_ = end.system - cpu_.system;
    }

    qint64 wallMs() const { return wallMs_; }

    void print(int count) const
    {
        std::printf("%d %lld %.1f %.1f %ld\n", count, static_cast<long long>(wallMs_), userMs_, systemMs_, peakKb());
    }

    static long peakKb()
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return usage.ru_maxrss;
    }

private:
    struct Cpu {
        double user = 0;
        double system = 0;
    };

    static Cpu now()
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
        return {ms(usage.ru_utime), ms(usage.ru_stime)};
    }

    QElapsedTimer wall_;
    Cpu cpu_;
    qint64 wallMs_ = 0;
    double userMs_ = 0;
    double systemMs_ = 0;
};

}  // namespace bench

// The hook procedure's cost for a mouse move outside a press, without a log, beside a hook
// procedure that only passes the call on. Both forward to the same out-of-line stand-in
// for CallNextHookEx, so the difference is the decision alone.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "longtap/hook.h"

namespace {

constexpr unsigned wmMouseMove = 0x200;

// A terminal's usual settings, Touch_to_RightButton on; the bench never reaches the host
// after the load.
class QuietHost final : public longtap::HookHost {
public:
    std::time_t clock() override { return 1000; }
    unsigned long threadId() override { return 1; }
    bool openLog() override { return false; }
    void writeLog(const char*, std::va_list) override {}
    void flushLog() override {}
    void closeLog() override {}
    void box(const char*) override {}
    const char* ctimeText(std::time_t) override { return "\n"; }
    longtap::Handle readSettings(LongPressDelays& d) override {
        d = {0, 2};
        return 1;
    }
    longtap::Handle findWindow(const char*, const char*) override { return 0; }
    void post(longtap::Handle, unsigned, std::uintptr_t, std::intptr_t) override {}
    void beep(unsigned, unsigned) override {}
    void mouseEvent(unsigned) override {}
    longtap::Handle setHook(longtap::Handle) override { return 1; }
    bool unhook(longtap::Handle) override { return true; }
    unsigned long lastError() override { return 0; }
    void clearLastError() override {}
};

QuietHost host;
longtap::Hook hook{host};

__attribute__((noinline)) std::intptr_t callNext(int code, std::uintptr_t w, std::intptr_t l) {
    benchmark::DoNotOptimize(code);
    return static_cast<std::intptr_t>(w) + l;
}

__attribute__((noinline)) std::intptr_t passThrough(int code, std::uintptr_t w,
                                                    std::intptr_t l) {
    return callNext(code, w, l);
}

// The shape of the library's moumh and its out-of-line step.
__attribute__((noinline)) std::intptr_t lookAt(int code, std::uintptr_t w, std::intptr_t l) {
    hook.mouse(code, static_cast<unsigned>(w), static_cast<std::uintptr_t>(l), 0);
    return callNext(code, w, l);
}

__attribute__((noinline)) std::intptr_t moumh(int code, std::uintptr_t w, std::intptr_t l) {
    if (hook.wants(static_cast<unsigned>(w))) return lookAt(code, w, l);
    return callNext(code, w, l);
}

void BM_PassThrough(benchmark::State& state) {
    std::uintptr_t w = wmMouseMove;
    std::intptr_t l = 0x1000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(w);
        benchmark::DoNotOptimize(passThrough(0, w, l));
    }
}

void BM_HookMouseMove(benchmark::State& state) {
    hook.attach(1, 1);
    std::uintptr_t w = wmMouseMove;
    std::intptr_t l = 0x1000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(w);
        benchmark::DoNotOptimize(moumh(0, w, l));
    }
}

}  // namespace

BENCHMARK(BM_PassThrough);
BENCHMARK(BM_HookMouseMove);
BENCHMARK_MAIN();

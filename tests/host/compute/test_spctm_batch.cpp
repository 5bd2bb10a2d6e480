// The parallel driver: same numbers whatever the thread count, progress rising to 100,
// cancellation leaving untouched outputs, bad tasks refused before anything is written, a
// failing task or a worker that cannot start stopping the run; and the plan cache handing out one plan per size to
// threads that race for it.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <random>
#include <stdexcept>
#include <stop_token>
#include <system_error>
#include <thread>
#include <vector>

#include "host/compute/FftPlanCache.h"
#include "host/compute/ParallelTasks.h"
#include "host/compute/SpctmBatch.h"

namespace {

struct Batch {
  static constexpr std::size_t kChannels = 23;
  static constexpr std::int64_t kSamples = 640;
  MorletTransform transform{MorletSettings{}, kSamples};
  std::vector<double> signal;
  std::vector<double> real, power;
  std::vector<SpctmTask> tasks;

  Batch() {
    std::mt19937_64 random(3);
    std::normal_distribution<double> normal;
    signal.resize(kChannels * kSamples);
    for (double& v : signal) v = normal(random);
    const auto size = static_cast<std::size_t>(transform.timePoints() * transform.frequencyPoints());
    real.assign(size * kChannels, -1.0);
    power.assign(size * kChannels, -1.0);
    for (std::size_t c = 0; c < kChannels; ++c) {
      tasks.push_back({std::span<const double>(signal).subspan(c * kSamples, kSamples),
                       {real.data() + c * size, nullptr, power.data() + c * size}});
    }
  }
};

}  // namespace

TEST(SpctmBatch, ThreadCountDoesNotChangeResults) {
  Batch one, three;
  SpctmBatchOptions options;
  options.threads = 1;
  ASSERT_EQ(runSpctmBatch(one.transform, one.tasks, options), SpctmBatchResult::Done);
  options.threads = 3;
  ASSERT_EQ(runSpctmBatch(three.transform, three.tasks, options), SpctmBatchResult::Done);
  EXPECT_EQ(one.real, three.real);
  EXPECT_EQ(one.power, three.power);
  // Every channel was written (the arrays started at -1, power is never negative).
  for (double p : one.power) ASSERT_GE(p, 0.0);
}

TEST(SpctmBatch, ProgressRisesAndEndsAtHundred) {
  Batch batch;
  std::vector<int> seen;
  std::mutex mutex;
  std::atomic<int> concurrent{0}, maxConcurrent{0};
  SpctmBatchOptions options;
  options.threads = 2;
  options.progress = [&](int percent) {
    maxConcurrent = std::max(maxConcurrent.load(), ++concurrent);
    {
      std::lock_guard<std::mutex> lock(mutex);
      seen.push_back(percent);
    }
    --concurrent;
  };
  ASSERT_EQ(runSpctmBatch(batch.transform, batch.tasks, options), SpctmBatchResult::Done);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), 100);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), 100), 1);
  for (std::size_t i = 1; i < seen.size(); ++i) EXPECT_GT(seen[i], seen[i - 1]);
  EXPECT_EQ(maxConcurrent.load(), 1);
}

TEST(SpctmBatch, CancelStopsBeforeFurtherTasks) {
  Batch batch;
  std::atomic<bool> cancel{false};
  SpctmBatchOptions options;
  options.threads = 1;
  options.cancel = &cancel;
  int calls = 0;
  options.progress = [&](int) {
    if (++calls == 2) cancel = true;  // after the second finished task
  };
  ASSERT_EQ(runSpctmBatch(batch.transform, batch.tasks, options), SpctmBatchResult::Cancelled);
  const auto size = static_cast<std::size_t>(batch.transform.timePoints() * batch.transform.frequencyPoints());
  EXPECT_GE(batch.power[size + 1], 0.0);                // task 1 ran
  EXPECT_EQ(batch.power[2 * size], -1.0);               // task 2 never started
  EXPECT_EQ(batch.power.back(), -1.0);
}

TEST(SpctmBatch, BadTasksAreRefusedBeforeAnyWork) {
  Batch batch;
  batch.tasks.back().samples = batch.tasks.back().samples.first(10);
  EXPECT_THROW(runSpctmBatch(batch.transform, batch.tasks), std::invalid_argument);
  EXPECT_EQ(batch.power.front(), -1.0);
  Batch noOutput;
  noOutput.tasks[4].output = {};
  EXPECT_THROW(runSpctmBatch(noOutput.transform, noOutput.tasks), std::invalid_argument);
  EXPECT_EQ(noOutput.power.front(), -1.0);
  // An empty batch is done at once.
  EXPECT_EQ(runSpctmBatch(batch.transform, {}), SpctmBatchResult::Done);
}

TEST(ParallelTasks, FirstFailureStopsTheRunAndReachesTheCaller) {
  // With one worker the stop is exact: nothing after the failing task runs.
  for (unsigned threads : {1u, 2u}) {
    std::atomic<int> ran{0};
    std::vector<int> seen;
    ParallelOptions options;
    options.threads = threads;
    options.progress = [&](int percent) { seen.push_back(percent); };
    const auto run = [&] {
      runParallelTasks(1000, options, [&](std::size_t i, unsigned worker) {
        if (worker >= threads) throw std::logic_error("worker index out of range");
        if (i == 5) throw std::runtime_error("task 5 failed");
        ++ran;
      });
    };
    EXPECT_THROW(run(), std::runtime_error) << threads;
    if (threads == 1) {
      EXPECT_EQ(ran.load(), 5);
    }
    EXPECT_TRUE(seen.empty() || seen.back() < 100) << threads;
  }
  EXPECT_EQ(parallelWorkers(0, 0), 1u);
  EXPECT_EQ(parallelWorkers(8, 3), 3u);
}

TEST(ParallelTasks, AWorkerThatCannotStartStopsAndJoinsTheStartedOnes) {
  // Workers 1 and 2 start and wait in their first task until the run is stopped, which
  // worker 3's failed start must do; they then finish that task, take no other, and are
  // joined before the failure reaches the caller (a worker left running ends the process;
  // a run never stopped never returns and fails by the test's timeout).
  std::atomic<bool> stopped{false};
  std::optional<std::stop_callback<std::function<void()>>> onStop;
  std::atomic<int> ran{0}, running{0};
  ParallelOptions options;
  options.threads = 4;
  options.startingWorker = [&](unsigned index, std::stop_token stop) {
    if (index < 3) return;
    onStop.emplace(stop, [&] {
      stopped = true;
      stopped.notify_all();
    });
    throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
  };
  const auto run = [&] {
    runParallelTasks(100, options, [&](std::size_t, unsigned) {
      ++running;
      stopped.wait(false);
      ++ran;
      --running;
    });
  };
  EXPECT_THROW(run(), std::system_error);
  EXPECT_EQ(running.load(), 0);
  EXPECT_LE(ran.load(), 2);
}

TEST(FftPlanCache, RacingThreadsGetOnePlanPerSize) {
  FftPlanCache& cache = FftPlanCache::instance();
  const std::size_t before = cache.planCount();
  std::vector<fftw_plan> got(8);
  std::vector<std::thread> threads;
  for (std::size_t i = 0; i < got.size(); ++i) {
    threads.emplace_back([&, i] { got[i] = cache.complexBackward(4 * 3 * 5 * 7 * 11); });
  }
  for (auto& t : threads) t.join();
  for (fftw_plan p : got) EXPECT_EQ(p, got.front());
  EXPECT_EQ(cache.planCount(), before + 1);
  EXPECT_THROW(cache.realForward(0), std::invalid_argument);
}

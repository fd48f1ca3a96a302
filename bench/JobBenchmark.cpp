// Whole jobs through the exports against the cost of reading the page once: a memchr pass for a
// byte that is not there, and for UTF-8 pages glibc's iconv conversion to Windows-1251.
#include <benchmark/benchmark.h>
#include <iconv.h>
#include <malloc.h>
#include <stdlib.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "BenchPages.h"
#include "ScriptedHost.h"
#include "ZelvoDiskTrumoAbi.h"

namespace zelvo::bench {
namespace {

constexpr std::array<Case, 9> kCases = {{
    {"public-1251", Kind::Public, Charset::Cp1251, ""},
    {"captcha-1251", Kind::Captcha, Charset::Cp1251, ""},
    {"prefixes-1251", Kind::Prefixes, Charset::Cp1251, "public-1251"},
    {"many-matches-1251", Kind::ManyMatches, Charset::Cp1251, "public-1251"},
    {"encoded-blanks-1251", Kind::EncodedBlanks, Charset::Cp1251, "public-1251"},
    {"public-utf8", Kind::Public, Charset::Utf8, ""},
    {"captcha-utf8", Kind::Captcha, Charset::Utf8, ""},
    {"prefixes-utf8", Kind::Prefixes, Charset::Utf8, "public-utf8"},
    {"invalid-utf8", Kind::InvalidUtf8, Charset::Utf8, "public-utf8"},
}};
constexpr std::array<std::size_t, 3> kSizes = {64u << 10, 1u << 20, 16u << 20};

// The targets: passes of a whole Windows-1251 job, iconv times of a UTF-8 job, and the factor by
// which an adversarial page may cost more than its plain counterpart.
constexpr double kMaxPasses = 8.0;
constexpr double kMaxIconv = 1.0;
constexpr double kMaxAdversarial = 2.0;

constexpr const char* kLink = "http://zelvodisk.example/disk/4711.html";
constexpr const char* kDownloaded = "/nonexistent/zelvo-bench/download.bin";

void RunJob(benchmark::State& state, const Script* script) {
  UseScript(script);
  PlgGetDirectLink(kLink);
  if (LastAnswer().find("|0|1") == std::string::npos) {
    state.SkipWithError("the job gave no direct link");
    return;
  }
  for (auto _ : state) {
    PlgGetDirectLink(kLink);
    PlgOnSuccess(0, 0, kDownloaded);
  }
}

void RunMemchr(benchmark::State& state, const std::string* page) {
  for (auto _ : state) benchmark::DoNotOptimize(std::memchr(page->data(), '\x01', page->size()));
}

void RunIconv(benchmark::State& state, const std::string* page) {
  iconv_t cd = iconv_open("CP1251", "UTF-8");
  std::string out(page->size(), '\0');
  for (auto _ : state) {
    char* in = const_cast<char*>(page->data());
    std::size_t inLeft = page->size();
    char* to = out.data();
    std::size_t toLeft = out.size();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0 && iconv(cd, &in, &inLeft, &to, &toLeft) == static_cast<std::size_t>(-1)) {
      ++in;
      --inLeft;
      *to++ = '?';
      --toLeft;
    }
    benchmark::DoNotOptimize(out.data());
  }
  iconv_close(cd);
}

// Keeps the seconds per iteration of every benchmark, by name, beside the usual console output:
// the fastest of its repetitions, since a shared machine only ever adds time.
class Collector : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) {
        ++failedJobs;
      } else if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
        const double perIteration = run.real_accumulated_time / static_cast<double>(run.iterations);
        const auto [it, fresh] = seconds.emplace(run.run_name.str(), perIteration);
        if (!fresh && perIteration < it->second) it->second = perIteration;
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> seconds;
  int failedJobs = 0;
};

std::string Key(std::string_view what, std::string_view name, std::size_t size) {
  return std::string(what) + "/" + std::string(name) + "/" + std::to_string(size);
}

// The table of ratios; false when a target is missed.
bool PrintRatios(const std::map<std::string, double>& seconds) {
  const auto time = [&seconds](const std::string& key) {
    const auto it = seconds.find(key);
    return it == seconds.end() ? 0.0 : it->second;
  };
  bool met = true;
  std::printf("\n%u cores. job = PlgGetDirectLink + PlgOnSuccess; pass = one memchr over the page\n",
              std::thread::hardware_concurrency());
  std::printf("%-22s %9s %10s %8s %8s %11s  %s\n", "case", "size", "job, us", "passes", "iconv", "vs plain",
              "targets");
  for (const Case& c : kCases) {
    for (const std::size_t size : kSizes) {
      const double job = time(Key("job", c.name, size));
      const double pass = time(Key("memchr", c.name, size));
      const double conversion = time(Key("iconv", c.name, size));
      if (job == 0 || pass == 0) continue;
      const double passes = job / pass;
      std::string verdict;
      char iconvText[16] = "-";
      char plainText[16] = "-";
      if (c.charset == Charset::Utf8 && conversion > 0) {
        std::snprintf(iconvText, sizeof iconvText, "%.2f", job / conversion);
        if (job / conversion > kMaxIconv) verdict += " iconv";
      } else if (passes > kMaxPasses) {
        verdict += " passes";
      }
      if (!c.plain.empty()) {
        const double plain = time(Key("job", c.plain, size));
        if (plain > 0) {
          std::snprintf(plainText, sizeof plainText, "%.2f", job / plain);
          if (job / plain > kMaxAdversarial) verdict += " adversarial";
        }
      }
      met = met && verdict.empty();
      std::printf("%-22s %9zu %10.1f %8.2f %8s %11s  %s\n", std::string(c.name).c_str(), size, job * 1e6,
                  passes, iconvText, plainText, verdict.empty() ? "met" : ("MISSED:" + verdict).c_str());
    }
  }
  return met;
}

}  // namespace
}  // namespace zelvo::bench

int main(int argc, char** argv) {
  using namespace zelvo::bench;
  // The allocator keeps what it is given back, pages of 16 MiB included, so that a job's time is
  // the plug-in's work and not how often the kernel has to hand out fresh pages again.
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  // The captcha job needs the picture file in the plug-in's folder; nothing else touches disk.
  char folderTemplate[] = "/tmp/zelvo-bench-XXXXXX";
  const char* folder = mkdtemp(folderTemplate);
  if (!folder) return 1;
  const std::string pluginDir = std::string(folder) + "/";
  std::ofstream(pluginDir + "ZelvoDisk.gif") << "GIF89a";
  StartPlugin(pluginDir);

  std::vector<std::unique_ptr<Script>> scripts;
  for (const Case& c : kCases) {
    for (const std::size_t size : kSizes) {
      scripts.push_back(std::make_unique<Script>(MakeScript(c, size)));
      const Script* script = scripts.back().get();
      benchmark::RegisterBenchmark(Key("job", c.name, size).c_str(), RunJob, script)
          ->Unit(benchmark::kMicrosecond);
      benchmark::RegisterBenchmark(Key("memchr", c.name, size).c_str(), RunMemchr, &script->page)
          ->Unit(benchmark::kMicrosecond);
      if (c.charset == Charset::Utf8)
        benchmark::RegisterBenchmark(Key("iconv", c.name, size).c_str(), RunIconv, &script->page)
            ->Unit(benchmark::kMicrosecond);
    }
  }
  benchmark::Initialize(&argc, argv);
  Collector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  benchmark::Shutdown();
  PlgDestroy();
  std::remove((pluginDir + "ZelvoDisk.gif").c_str());
  ::rmdir(folder);
  // Timings vary from machine to machine: a missed target is reported, only a broken job fails.
  PrintRatios(collector.seconds);
  return collector.failedJobs == 0 ? 0 : 1;
}

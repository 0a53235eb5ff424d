#include "cli/Sweep.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <map>
#include <mutex>
#include <thread>

#include "cases/Units.h"
#include "common/Numbers.h"

namespace calvora::cli {

double VaryAxis::Value(int i) const {
  if (i <= 0 || count <= 1)
    return from;
  if (i >= count - 1)
    return to;
  return cases::RoundTo15Digits(from + (to - from) * i / (count - 1));
}

bool ParseVary(std::string_view option, VaryAxis& axis, std::string& fault) {
  fault = "\"" + std::string(option) + "\" is not KEY=FROM:TO:N";
  const auto equals = option.find('=');
  if (equals == std::string_view::npos || equals == 0)
    return false;
  std::string_view rest = option.substr(equals + 1);
  std::string_view parts[3];
  for (int i = 0; i < 3; ++i) {
    const auto colon = rest.find(':');
    if ((i < 2) != (colon != std::string_view::npos))
      return false;
    parts[i] = rest.substr(0, colon);
    rest = i < 2 ? rest.substr(colon + 1) : std::string_view();
  }
  const auto from = TryParseNumber(parts[0]);
  const auto to = TryParseNumber(parts[1]);
  const auto count = TryParseNumber(parts[2]);
  if (!from || !to || !count || *count != static_cast<int>(*count) || *count < 1 ||
      *count > 10'000'000)
    return false;
  if (*count == 1 && *from != *to) {
    fault += " (N is 1, so FROM and TO must be equal)";
    return false;
  }
  axis = {std::string(option.substr(0, equals)), *from, *to, static_cast<int>(*count)};
  fault.clear();
  return true;
}

std::int64_t PointCount(std::span<const VaryAxis> axes) {
  std::int64_t points = 1;
  for (const auto& axis : axes) {
    points *= axis.count;
    if (points > 1'000'000'000)
      return -1;
  }
  return points;
}

void PointValues(std::span<const VaryAxis> axes, std::int64_t index, std::vector<double>& values) {
  values.resize(axes.size());
  for (std::size_t a = axes.size(); a-- > 0;) {
    values[a] = axes[a].Value(static_cast<int>(index % axes[a].count));
    index /= axes[a].count;
  }
}

namespace {

void DrawProgress(std::FILE* out, std::int64_t done, std::int64_t count) {
  constexpr int kWidth = 40;
  const int filled = static_cast<int>(kWidth * done / std::max<std::int64_t>(count, 1));
  std::string bar(static_cast<std::size_t>(filled), '#');
  bar.append(static_cast<std::size_t>(kWidth - filled), '.');
  std::fprintf(out, "\r[%s] %3d%% %lld/%lld", bar.c_str(),
               static_cast<int>(100 * done / std::max<std::int64_t>(count, 1)),
               static_cast<long long>(done), static_cast<long long>(count));
  std::fflush(out);
}

}  // namespace

bool RunInOrder(std::int64_t count, int threads,
                const std::function<void(std::int64_t, int, std::string&)>& produce,
                const std::function<bool(const std::string&)>& consume,
                const std::atomic<bool>* stop, std::FILE* progress) {
  threads = std::max(1, threads);
  // Chunks small enough to spread the work and to keep the progress moving,
  // large enough to keep the locking rare; at most `window` chunks wait to be
  // consumed, which bounds the memory of a long sweep.
  const std::int64_t chunk =
      std::clamp<std::int64_t>(count / (static_cast<std::int64_t>(threads) * 16), 1, 4096);
  const std::int64_t chunks = (count + chunk - 1) / chunk;
  const std::int64_t window = 4 * static_cast<std::int64_t>(threads);

  std::mutex lock;
  std::condition_variable changed;
  std::map<std::int64_t, std::string> ready;  // produced chunks not yet consumed
  std::int64_t next = 0;                      // the next chunk to hand out
  std::int64_t consumed = 0;                  // chunks consumed so far
  bool abandon = false;
  std::exception_ptr failure;

  const auto stopped = [&] { return abandon || (stop && stop->load()); };
  const auto work = [&](int worker) {
    std::string text;
    std::size_t last = 0;  // the size of the previous chunk's text, to reserve for the next
    for (;;) {
      std::int64_t mine;
      {
        std::unique_lock<std::mutex> hold(lock);
        changed.wait(hold, [&] { return stopped() || next >= chunks || next < consumed + window; });
        if (stopped() || next >= chunks)
          return;
        mine = next++;
      }
      text.clear();
      text.reserve(last + last / 8);
      try {
        const std::int64_t end = std::min(count, (mine + 1) * chunk);
        for (std::int64_t item = mine * chunk; item < end && !(stop && stop->load()); ++item)
          produce(item, worker, text);
      } catch (...) {
        std::lock_guard<std::mutex> hold(lock);
        failure = std::current_exception();
        abandon = true;
        changed.notify_all();
        return;
      }
      std::lock_guard<std::mutex> hold(lock);
      last = text.size();
      ready.emplace(mine, std::move(text));
      text = std::string();
      changed.notify_all();
    }
  };

  std::vector<std::thread> workers;
  workers.reserve(static_cast<std::size_t>(threads));
  for (int t = 0; t < threads; ++t)
    workers.emplace_back(work, t);

  const auto started = std::chrono::steady_clock::now();
  auto drawn = started;
  bool shown = false;
  bool complete = true;
  while (consumed < chunks) {
    std::string text;
    {
      std::unique_lock<std::mutex> hold(lock);
      // Waits in slices, so an interrupt is seen even while a chunk is slow.
      while (!stopped() && !ready.count(consumed))
        changed.wait_for(hold, std::chrono::milliseconds(100));
      if (stopped()) {
        complete = false;
        abandon = true;
        changed.notify_all();
        break;
      }
      text = std::move(ready[consumed]);
      ready.erase(consumed);
    }
    if (!consume(text)) {
      std::lock_guard<std::mutex> hold(lock);
      complete = false;
      abandon = true;
      changed.notify_all();
      break;
    }
    {
      std::lock_guard<std::mutex> hold(lock);
      ++consumed;
      changed.notify_all();
    }
    const auto now = std::chrono::steady_clock::now();
    if (progress && now - started > std::chrono::seconds(1) &&
        now - drawn > std::chrono::milliseconds(100)) {
      DrawProgress(progress, std::min(count, consumed * chunk), count);
      drawn = now;
      shown = true;
    }
  }
  for (auto& worker : workers)
    worker.join();
  if (shown) {
    std::fprintf(progress, "\r%60s\r", "");
    std::fflush(progress);
  }
  if (failure)
    std::rethrow_exception(failure);
  return complete;
}

}  // namespace calvora::cli

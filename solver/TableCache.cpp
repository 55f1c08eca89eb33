#include "TableCache.h"

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <system_error>
#include <utility>

namespace zarvel::solver {

namespace {

// The file: a fixed header, the values as 8-byte doubles, then a checksum of
// the values' bytes. Raise kModelVersion whenever the solver's rules or
// method change, so that tables solved before are solved again.
constexpr char kMagic[8] = {'Z', 'R', 'V', 'L', 'T', 'A', 'B', 'L'};
constexpr std::uint32_t kModelVersion = 1;

struct Header {
    char magic[8];
    std::uint32_t version;
    std::int32_t target;
    std::int32_t breakIn;
    std::uint32_t endianCheck;  // 0x01020304 as written by this machine
    std::uint64_t count;
};

// FNV-1a over bytes: catches a cut or altered file, nothing more is needed.
std::uint64_t Checksum(const void* data, std::size_t size) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    const auto* p = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) h = (h ^ p[i]) * 0x100000001b3ull;
    return h;
}

}  // namespace

std::string DefaultCacheFolder() {
    if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && *xdg) return std::string(xdg) + "/zarvel";
    if (const char* home = std::getenv("HOME"); home && *home) return std::string(home) + "/.cache/zarvel";
    return {};
}

std::string TablePath(const std::string& folder, const Rules& rules) {
    return folder + "/solver-" + std::to_string(rules.target) + "-" + std::to_string(rules.breakIn) + ".table";
}

bool SaveTable(const Table& table, const std::string& path) {
    namespace fs = std::filesystem;
    const std::vector<double>& values = table.Values();
    if (values.empty()) return false;
    Header header{};
    std::memcpy(header.magic, kMagic, sizeof kMagic);
    header.version = kModelVersion;
    header.target = table.rules().target;
    header.breakIn = table.rules().breakIn;
    header.endianCheck = 0x01020304;
    header.count = values.size();
    const std::size_t bytes = values.size() * sizeof(double);
    const std::uint64_t sum = Checksum(values.data(), bytes);

    std::error_code ec;
    const fs::path target(path);
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
    // A name of this process's own, so two programs saving at once do not
    // write into each other's file; the rename replaces the table whole.
    const fs::path partial = target.string() + ".part" + std::to_string(::getpid());
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(&header), sizeof header);
        out.write(reinterpret_cast<const char*>(values.data()), std::streamsize(bytes));
        out.write(reinterpret_cast<const char*>(&sum), sizeof sum);
        out.close();
        if (!out) {
            fs::remove(partial, ec);
            return false;
        }
    }
    fs::rename(partial, target, ec);
    if (ec) {
        fs::remove(partial, ec);
        return false;
    }
    return true;
}

Table LoadTable(const Rules& rules, const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    Header header{};
    if (!in.read(reinterpret_cast<char*>(&header), sizeof header)) return Table::FromValues(rules, {});
    const bool fits = std::memcmp(header.magic, kMagic, sizeof kMagic) == 0 && header.version == kModelVersion &&
                      header.target == rules.target && header.breakIn == rules.breakIn &&
                      header.endianCheck == 0x01020304 && header.count < (1u << 24);
    if (!fits) return Table::FromValues(rules, {});
    std::vector<double> values(header.count);
    std::uint64_t sum = 0;
    const std::size_t bytes = values.size() * sizeof(double);
    if (!in.read(reinterpret_cast<char*>(values.data()), std::streamsize(bytes)) ||
        !in.read(reinterpret_cast<char*>(&sum), sizeof sum) || in.peek() != std::ifstream::traits_type::eof() ||
        sum != Checksum(values.data(), bytes))
        return Table::FromValues(rules, {});
    // FromValues checks the count and that every value is a chance.
    return Table::FromValues(rules, std::move(values));
}

std::shared_ptr<const Table> TableFor(const Rules& rules, const std::string& folder,
                                      const std::function<void(double)>& progress, int threads) {
    if (!RulesFit(rules)) return nullptr;
    static std::mutex mutex;
    static std::map<std::pair<int, int>, std::shared_ptr<const Table>> tables;
    // One lock for all: a second caller for a table being solved waits for
    // it rather than solving it again.
    std::lock_guard lock(mutex);
    auto& slot = tables[{rules.target, rules.breakIn}];
    if (slot) return slot;
    const std::string path = folder.empty() ? std::string() : TablePath(folder, rules);
    Table table = path.empty() ? Table::FromValues(rules, {}) : LoadTable(rules, path);
    if (table.Empty()) {
        table = Table::Solve(rules, progress, threads);
        if (!path.empty()) SaveTable(table, path);
    }
    slot = std::make_shared<const Table>(std::move(table));
    return slot;
}

}  // namespace zarvel::solver

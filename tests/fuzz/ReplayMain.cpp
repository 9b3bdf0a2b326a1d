// Runs a fuzz target over the inputs named on the command line (files, or folders of them): the
// inputs that once found a fault, and the seeds. Any compiler builds it, so every test run replays
// them.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size);

namespace {

void Replay(const std::filesystem::path& file, std::size_t& count)
{
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    ++count;
}

}  // namespace

int main(int argc, char* argv[])
{
    std::size_t count = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path named = argv[i];
        if (std::filesystem::is_directory(named)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(named))
                if (entry.is_regular_file() && entry.path().filename() != ".gitkeep")
                    Replay(entry.path(), count);
        } else {
            Replay(named, count);
        }
    }
    std::printf("replayed %zu inputs\n", count);
    return count > 0 ? 0 : 1;
}

// A fuzz target without the fuzzer: every file under the folders (or the
// files) given is run through the target once, as a fuzzer would run it. A
// broken property aborts, so the run fails on the input that broke it. So
// the default build, without clang, checks every parser against the seed
// corpus and the stored cases of fuzz/corpus/.
//   fuzz_replay_<target> PATH...
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> inputsUnder(const fs::path& path)
{
    std::vector<fs::path> files;
    if (fs::is_regular_file(path))
        files.push_back(path);
    else if (fs::is_directory(path))
        for (const auto& entry : fs::recursive_directory_iterator(path))
            if (entry.is_regular_file())
                files.push_back(entry.path());
    std::ranges::sort(files);
    return files;
}

void replay(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // Where the input came from, should it break a property.
    std::fprintf(stderr, "%s\n", file.c_str());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char** argv)
{
    std::size_t count = 0;
    for (int i = 1; i < argc; ++i)
        for (const fs::path& file : inputsUnder(argv[i])) {
            replay(file);
            ++count;
        }
    std::printf("replayed %zu inputs\n", count);
    // No input at all is a missing corpus, not a pass.
    return count > 0 ? 0 : 1;
}

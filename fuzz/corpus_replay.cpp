// The fuzz target's properties checked on the inputs given, one file each, without the fuzzer: the
// corpus as a test of its own, run with the unit tests.
#include <fstream>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size);

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        std::ostringstream file;
        file << std::ifstream(argv[i], std::ios::binary).rdbuf();
        const std::string input = file.str();
        LLVMFuzzerTestOneInput(reinterpret_cast<const unsigned char*>(input.data()), input.size());
    }
}

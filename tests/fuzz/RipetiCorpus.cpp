// Runs a fuzz target once on every file of the folders (and files) named on the
// command line, as the fuzzer would, so that every input found once keeps being
// tried by the ordinary test run.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti);

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::vector<fs::path> ingressi;
  for (int i = 1; i < argc; ++i) {
    const fs::path percorso(argv[i]);
    if (fs::is_directory(percorso)) {
      for (const auto& voce : fs::recursive_directory_iterator(percorso))
        if (voce.is_regular_file()) ingressi.push_back(voce.path());
    } else if (fs::is_regular_file(percorso)) {
      ingressi.push_back(percorso);
    }
  }
  if (ingressi.empty()) {
    std::fprintf(stderr, "no input files\n");
    return 1;
  }
  std::sort(ingressi.begin(), ingressi.end());
  for (const fs::path& percorso : ingressi) {
    std::ifstream file(percorso, std::ios::binary);
    const std::vector<char> byte{std::istreambuf_iterator<char>(file), {}};
    std::fprintf(stderr, "%s\n", percorso.c_str());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(byte.data()), byte.size());
  }
  std::fprintf(stderr, "%zu inputs, no failure\n", ingressi.size());
  return 0;
}

#pragma once
// Monster definition files for tests and benchmarks: the sample file in
// resources/, generated extended-layout files of any size, and a temporary
// folder to write them into.

#include <string>
#include <string_view>

namespace kestrel::testing {

// The bytes of an extended-layout file: the header "HRVTNP15041200" and
// `records` data lines of 78 columns, CR LF line ends, code page 932 text.
// The same seed gives the same bytes. The records cover every family (with
// some uncertain ones), every quiz class, skills with double-byte text,
// trivia of one to four lines and unknown statistics. Names are unique for
// fewer than 160000 records.
std::string generatedExtendedFile(int records, unsigned seed);

// Records made the same way, but every monster uses two to six skills drawn
// from 160 (技001 ... 技160, now and then 仲間を呼ぶ first), as a quiz's monsters do.
std::string generatedQuizFile(int records, unsigned seed);

// The sixteen skill-button labels, k = 0..15 (code page 932); "" otherwise.
// Generated files draw their skills from a pool that starts with them.
const char* skillLabelText(int k);

// Absolute path of resources/sample-monsters.csv in the source tree.
std::string sampleFilePath();

// The whole content of a file; empty when it cannot be read.
std::string readFileBytes(const std::string& path);

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes away. Its paths are UTF-8, as the program's are.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }

    // Writes bytes unchanged to the file `name` inside the folder and returns
    // its full path.
    std::string write(const std::string& name, std::string_view bytes) const;

private:
    std::string path_;
};

}  // namespace kestrel::testing

// Reading a set file: a small state machine over the sections (pads, program
// list, loop counts, rate) that never goes back. Whatever the file holds, no
// field is written beyond its capacity.
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "cd/program_list.h"
#include "commands/old_code_page.h"
#include "commands/pad_file_search.h"
#include "commands/set_file.h"
#include "commands/set_file_midi.h"
#include "pads/sample_pads.h"
#include "pads/wave_rate.h"
#include "shell/console_state.h"

using namespace win;

namespace {

// A line is read in pieces: the longest pad line that fits the fields (a
// title, one blank, a path, a carriage return) is one piece, and the rest of
// a longer line is taken as a line of its own.
constexpr int kPieceSize = kPadTitleSize + kPadPathSize + 2;
constexpr int kHighestLoopCount = 9998;  // the Wave Loop dialog stores 0..9998

enum Section { kPadSection, kListSection, kLoopSection, kRateSection, kIgnoredSection };

struct Reader {
    int section = kPadSection;
    int pad = 0;
    int loop = 0;
    std::string folder;  // the set file's, where its pads' files are looked for
    std::vector<MissingPadFile> missing;
    MidiSectionReader midi;
};

struct PadFields {
    char title[kPadTitleSize];
    char path[kPadPathSize];
};

// Reads one piece of a line, without its line end (LF or CR LF). Returns
// false at the end of the file. lineEnded tells whether the line ended in
// this piece or goes on in the next.
bool ReadPiece(std::FILE* file, char (&piece)[kPieceSize], bool& lineEnded) {
    int n = 0;
    int c = EOF;
    lineEnded = false;
    while (n < kPieceSize - 1 && (c = std::getc(file)) != EOF) {
        if (c == '\n') {
            lineEnded = true;
            break;
        }
        piece[n++] = static_cast<char>(c);
    }
    if (lineEnded && n > 0 && piece[n - 1] == '\r') --n;
    piece[n] = '\0';
    return n > 0 || lineEnded;
}

// The line's leading decimal integer: white space, a sign, digits; a line
// without digits reads 0, and numbers beyond an int stop at its limits.
int LeadingNumber(const char* line) {
    const long n = std::strtol(line, nullptr, 10);
    if (n > INT_MAX) return INT_MAX;
    if (n < INT_MIN) return INT_MIN;
    return static_cast<int>(n);
}

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

bool IsFolderSeparator(char c) { return c == '\\' || c == '/'; }

bool CopyField(char* field, int capacity, const char* text, std::size_t length) {
    if (length == 0 || length >= static_cast<std::size_t>(capacity)) return false;
    std::memcpy(field, text, length);
    field[length] = '\0';
    return true;
}

bool CopyTitleAndPath(PadFields& fields, const char* titleText, std::size_t titleLength, const char* pathText,
                      std::size_t pathLength) {
    return CopyField(fields.title, kPadTitleSize, titleText, titleLength) &&
           CopyField(fields.path, kPadPathSize, pathText, pathLength);
}

// The writer puts the file's name, one blank and its full path: when some
// blank splits the line so that the path ends with the name, the name may
// itself hold blanks and still reads back whole. A path never starts with
// white space: further blanks after the first merely separate the words.
bool SplitAtName(const char* line, PadFields& fields) {
    const std::size_t length = std::strlen(line);
    for (std::size_t blank = 1; blank + 1 < length; ++blank) {
        if (line[blank] != ' ' || IsBlank(line[blank + 1])) continue;
        const char* pathText = line + blank + 1;
        const std::size_t pathLength = length - blank - 1;
        if (pathLength < blank) break;
        const std::size_t folderLength = pathLength - blank;
        if (std::memcmp(pathText + folderLength, line, blank) != 0) continue;
        if (folderLength > 0 && !IsFolderSeparator(pathText[folderLength - 1])) continue;
        if (CopyTitleAndPath(fields, line, blank, pathText, pathLength)) return true;
    }
    return false;
}

// Otherwise the first two words. Fewer than two words, or a word too long for
// its field, names no pad: a path is never cut into another path.
bool SplitAtWords(const char* line, PadFields& fields) {
    const char* word1 = line;
    while (IsBlank(*word1)) ++word1;
    const char* end1 = word1;
    while (*end1 != '\0' && !IsBlank(*end1)) ++end1;
    const char* word2 = end1;
    while (IsBlank(*word2)) ++word2;
    const char* end2 = word2;
    while (*end2 != '\0' && !IsBlank(*end2)) ++end2;
    return CopyTitleAndPath(fields, word1, static_cast<std::size_t>(end1 - word1), word2,
                            static_cast<std::size_t>(end2 - word2));
}

bool Split(const char* line, PadFields& fields) { return SplitAtName(line, fields) || SplitAtWords(line, fields); }

// A line that is not UTF-8 comes from the old console: it is read in its
// code page, unless its bytes as they are already name a file.
bool ReadPadFields(const Reader& reader, const char* line, PadFields& fields, std::string& found) {
    if (!Split(line, fields)) return false;
    found = FindPadFileAsWritten(reader.folder, fields.path);
    if (!found.empty()) return true;
    PadFields decoded;
    if (!IsUtf8(line) && Split(FromOldCodePage(line).c_str(), decoded)) {
        fields = decoded;
        found = FindPadFileAsWritten(reader.folder, fields.path);
    }
    if (found.empty()) found = SearchPadFile(reader.folder, fields.path);
    return true;
}

// A pad's file found elsewhere takes the place of the written path; its
// name, in its case on disk, that of the written one, so that a name with
// blanks still reads back whole once saved.
void TakeFoundFile(PadFields& fields, const std::string& found) {
    if (found == fields.path) return;
    const char* name = NameInPath(found.c_str());
    if (SameNameIgnoringCase(fields.title, NameInPath(fields.path)) && std::strlen(name) < sizeof fields.title) {
        std::strcpy(fields.title, name);
    }
    std::memcpy(fields.path, found.c_str(), found.size() + 1);
}

void ReadPadLine(Reader& reader, const char* line) {
    if (line[0] == ' ' || line[0] == '#' || reader.pad >= kPadCount) return;
    const int p = reader.pad;
    PadFields fields;
    std::string found;
    if (!ReadPadFields(reader, line, fields, found)) return;
    if (found.empty()) {
        reader.missing.push_back({p, fields.path});
    } else {
        TakeFoundFile(fields, found);
    }
    std::memcpy(g_padTitle[p], fields.title, sizeof fields.title);
    std::memcpy(g_padPath[p], fields.path, sizeof fields.path);
    // The sample the pad held is released here rather than lost.
    if (g_padSample[p] != 0) {
        EngineCloseChannel(g_mixer, static_cast<std::uint32_t>(p + 1), 0);
        EngineFreeSample(g_mixer, g_padSample[p]);
        g_padSample[p] = 0;
    }
    PadLoad(p);
    g_padLoaded[p] = g_padSample[p] != 0 ? 1 : 0;
    ++reader.pad;
}

void ReadListLine(const char* line) {
    const int track = LeadingNumber(line);
    if (track < 1 || track > g_trackCount || g_listCount >= kListCapacity) return;
    ListAppend(track);
}

void ReadLoopLine(Reader& reader, const char* line) {
    if (reader.loop >= kPadCount) return;
    const int count = LeadingNumber(line);
    g_padLoopCount[reader.loop] = (count >= 0 && count <= kHighestLoopCount) ? count : 7;
    ++reader.loop;
}

void ReadRateLine(const char* line) {
    const int rate = LeadingNumber(line);
    if (rate >= kLowestWaveRate && rate <= kHighestWaveRate) g_waveRate = rate;
}

void ReadLine(Reader& reader, const char* line) {
    if (line[0] == '*') {
        if (reader.section < kIgnoredSection) ++reader.section;
        return;
    }
    switch (reader.section) {
        case kPadSection: ReadPadLine(reader, line); break;
        case kListSection: ReadListLine(line); break;
        case kLoopSection: ReadLoopLine(reader, line); break;
        case kRateSection: ReadRateLine(line); break;
        default: MidiSectionReadLine(reader.midi, line); break;
    }
}

}  // namespace

std::vector<MissingPadFile> SetFileRead(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return {};
    Reader reader;
    reader.folder = SetFileFolder(path);
    char piece[kPieceSize];
    bool lineEnded = false;
    bool previousCut = false;
    while (ReadPiece(file, piece, lineEnded)) {
        // A line of exactly 255 bytes leaves only its line end for the next
        // piece: that is no line of its own.
        const bool onlyLineEnd = previousCut && piece[0] == '\0';
        previousCut = !lineEnded;
        if (!onlyLineEnd) ReadLine(reader, piece);
    }
    std::fclose(file);
    return reader.missing;
}

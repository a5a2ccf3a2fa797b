#include "file_pool.h"

#include <filesystem>

namespace {

template <typename T>
const T& Pick(const std::vector<T>& items, std::mt19937_64& rng) {
    return items[std::uniform_int_distribution<std::size_t>(0, items.size() - 1)(rng)];
}

std::string Lines(const std::vector<std::string>& lines, const char* end = "\n") {
    std::string text;
    for (const std::string& line : lines) text += line + end;
    return text;
}

}  // namespace

std::string PathOfLength(const std::string& folder, std::size_t length, const std::string& extension) {
    const std::size_t fixed = folder.size() + 1 + extension.size();
    return folder + "/" + std::string(length > fixed ? length - fixed : 1, 'L') + extension;
}

FilePool::FilePool() {
    const std::string& d = dir_.Path();
    good_ = {dir_.Wav("K.WAV"), dir_.Wav("SN.WAV", 441), dir_.Wav("HAT.WAV", 1000, 11025),
             dir_.Wav("LONG.WAV", 11025, 22050)};
    vanishing_ = dir_.Wav("DEL.WAV");
    const std::string bad = dir_.Write("BAD.WAV", "RIFF....WAVEfmt not really a sample\n");
    const std::string longTitle = dir_.Wav("TWENTY_FOUR_CHARS_01.WAV");
    const std::string longPath = PathOfLength(d, 60, ".WAV");
    dir_.Wav(longPath.substr(d.size() + 1));
    pads_ = good_;
    pads_.insert(pads_.end(), {vanishing_, bad, longTitle, longPath, d + "/GONE.WAV", ""});

    const std::string k = good_[0], sn = good_[1], hat = good_[2];
    sets_.emplace_back(d + "/good.tnl", Lines({"#FileName;Pathname;Tornel Ver3.0", "K.WAV " + k, "SN.WAV " + sn, "   ",
                                               "HAT.WAV " + hat, "*", "1", "3", "2", "*", "0", "3", "9998", "7",
                                               "7", "7", "7", "*", "30000"}));
    std::vector<std::string> crowded = {"DEL.WAV " + vanishing_, "BAD.WAV " + bad, "GONE.WAV " + d + "/GONE.WAV",
                                        "K.WAV " + k, "SN.WAV " + sn, "HAT.WAV " + hat, "LONG.WAV " + good_[3],
                                        "EIGHTH.WAV " + k, "NINTH.WAV " + sn, "*"};
    for (int t = 1; t <= 25; ++t) crowded.push_back(std::to_string(t));
    crowded.insert(crowded.end(), {"*", "1", "2", "3", "4", "5", "6", "7", "8", "*", "11026"});
    sets_.emplace_back(d + "/crowded.tnl", Lines(crowded, "\r\n"));
    sets_.emplace_back(
        d + "/odd.tnl",
        Lines({"", "ONLYONEWORD", std::string(40, 'T') + " " + d + "/" + std::string(300, 'p'), "\t\tTAB.WAV\t" + k,
               "*trailing text", "-5", "0", "99999999999999999999", "#3", " 2", "*", "-1", "10000", "abc", "",
               "+4", "*", "33075", "*", "1", "*"}));
    std::string binary;
    std::minstd_rand bytes(7);
    for (int i = 0; i < 3000; ++i) binary.push_back(static_cast<char>(bytes() & 0xFF));
    sets_.emplace_back(d + "/noise.tnl", binary);
    sets_.emplace_back(d + "/empty.tnl", "");
    sets_.emplace_back(d + "/sample.tnl", ReadWholeFile(k));

    unloadable_ = {d + "/nothere.tnl", PathOfLength(d, 230, ".tnl"), ""};
    dir_.Write("NOTDIR", "a file where a folder should be\n");
    saves_ = {d + "/save1.tnl", d + "/save2", d + "/good.tnl", d + "/NOTDIR/x.tnl", d + "/no.dir/x",
              PathOfLength(d, 97, ""), PathOfLength(d, 130, ".tnl"), ""};
}

std::string FilePool::PadAnswer(std::mt19937_64& rng) const { return Pick(pads_, rng); }

std::string FilePool::LoadAnswer(std::mt19937_64& rng) const {
    if (std::uniform_int_distribution<int>(0, 4)(rng) == 0) return Pick(unloadable_, rng);
    const auto& [path, text] = Pick(sets_, rng);
    dir_.Write(path.substr(dir_.Path().size() + 1), text);
    return path;
}

std::string FilePool::SaveAnswer(std::mt19937_64& rng) const { return Pick(saves_, rng); }

void FilePool::ToggleVanishingSample() {
    std::error_code ignored;
    if (std::filesystem::exists(vanishing_, ignored)) {
        std::filesystem::remove(vanishing_, ignored);
    } else {
        dir_.Wav("DEL.WAV");
    }
}

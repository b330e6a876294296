#include "save/sound_collection.h"

#include <algorithm>
#include <array>

#include "save/save_state.h"
#include "editing/reference_source.h"
#include "editing/session.h"
#include "framework/shown_text.h"

namespace kavrin {

namespace {

constexpr uint16_t PLAY_SOUND = 5;
constexpr uint16_t SOUND_NUMBER_MASK = 0x0FFF;
// Words per command, opcode included, for opcodes 1 to 6.
constexpr std::array<uint32_t, 7> COMMAND_WORDS = {0, 4, 3, 1, 1, 3, 3};

struct SoundRange {
    uint16_t first;
    uint16_t last;
};

// The sounds the game's own levels need whatever the objects (Lara's footsteps, pickups, menus).
constexpr SoundRange ALWAYS_INCLUDED[] = {
    {0, 13},    {17, 20},   {23, 24},   {26, 26},   {28, 36},   {39, 39},   {41, 47},   {49, 49},
    {51, 56},   {58, 58},   {60, 60},   {63, 63},   {70, 72},   {75, 75},   {77, 79},   {82, 83},
    {85, 85},   {94, 95},   {101, 102}, {105, 109}, {111, 112}, {114, 114}, {116, 118}, {120, 125},
    {131, 131}, {133, 133}, {136, 136}, {143, 143}, {145, 145}, {147, 148}, {150, 150}, {152, 156},
    {169, 169}, {177, 177}, {182, 182}, {184, 184}, {189, 189}, {192, 192}, {194, 194}, {197, 197},
    {200, 200}, {215, 215}, {220, 220}, {235, 235}, {239, 239}, {246, 246}, {251, 251}, {255, 255},
    {262, 262}, {267, 267}, {269, 269}, {285, 286}, {288, 288}, {290, 292}, {294, 294}, {308, 308},
    {311, 311}, {315, 315}, {325, 327}, {339, 341}, {343, 351}, {354, 354}, {357, 358}, {361, 361},
    {366, 369},
};

// True for the sound numbers that go into every saved set that can have them.
bool isAlwaysIncluded(uint32_t sound) {
    return std::any_of(std::begin(ALWAYS_INCLUDED), std::end(ALWAYS_INCLUDED),
                       [sound](SoundRange r) { return sound >= r.first && sound <= r.last; });
}

// True when the source has a description for the sound.
bool hasSound(const ReferenceSource& source, uint32_t sound) {
    const ObjectSourceBlock& block = source.block;
    return sound < block.soundMap.size() && block.soundMap[sound] != NO_SOUND &&
           block.soundMap[sound] < block.soundInfos.size();
}

// The source an always-included sound is taken from when no copied animation plays it.
const ReferenceSource* alwaysIncludedSource(const Session& session, uint32_t sound) {
    const ReferenceSource* edited = session.edited.editedSource.get();
    if (edited && hasSound(*edited, sound)) return edited;
    for (const auto& source : session.references) {
        if (hasSound(*source, sound)) return source.get();
    }
    return nullptr;
}

// Appends the sound's description and its samples, taken from `source`.
void copySound(SaveState& state, const ReferenceSource& source, uint32_t sound) {
    const ObjectSourceBlock& block = source.block;
    const uint32_t k = block.soundMap[sound];
    SoundInfo info = block.soundInfos[k];
    // A description's samples run up to the next description's first sample.
    const size_t first = info.firstSample;
    size_t end = first + 1 == block.sampleNames.size() ? block.sampleNames.size()
                 : k + 1 < block.soundInfos.size()     ? block.soundInfos[k + 1].firstSample
                                                       : block.samples.size();
    end = std::min({end, block.sampleNames.size(), block.samples.size()});

    SoundResources& out = state.outSounds;
    out.soundMap[sound] = static_cast<uint16_t>(out.infos.size());
    info.firstSample = static_cast<uint16_t>(state.outSampleNames.size());
    out.infos.push_back(info);
    for (size_t j = first; j < end; ++j) {
        state.outSampleNames.push_back(block.sampleNames[j]);
        out.sampleValues.push_back(block.samples[j]);
    }
}

// The file whose animation commands name the sounds.
const std::string& animationFilePath(const ReferenceSource& source) {
    const std::unique_ptr<FileRecord>& file =
        source.kind == REF_LEVEL ? source.levelFile : source.wadFile;
    return file ? file->path : source.fileName;
}

}  // namespace

bool markSounds(SaveState& state, const ReferenceSource& source, std::span<const uint16_t> words,
                uint32_t count) {
    size_t at = 0;
    for (; count > 0 && at < words.size(); --count) {
        const uint16_t opcode = words[at];
        if (opcode == 0 || opcode >= COMMAND_WORDS.size()) return true;
        // Real sets count more commands than some animations have, up to the end of the table.
        if (at + COMMAND_WORDS[opcode] > words.size()) return true;
        if (opcode == PLAY_SOUND) {
            const uint32_t sound = words[at + 2] & SOUND_NUMBER_MASK;
            if (sound >= SOUND_COUNT) {
                showMessage(state.ui, MessageStyle::ErrorOk, "Kavrin",
                            "Invalid sound ID #%d\nThis is for an animation in %s.\n",
                            static_cast<int>(sound), shownPath(animationFilePath(source)).c_str());
                return false;
            }
            if (hasSound(source, sound) && state.outSounds.soundMap[sound] == NO_SOUND) {
                state.outSounds.soundMap[sound] = 0;
                state.soundSource[sound] = &source;
            }
        }
        at += COMMAND_WORDS[opcode];
    }
    return true;
}

void collectSounds(SaveState& state) {
    Ui& ui = state.ui;
    for (uint32_t sound = 0; sound < SOUND_COUNT; ++sound) {
        progressSet(ui, -1, nullptr);
        const ReferenceSource* source = nullptr;
        if (state.outSounds.soundMap[sound] == 0) {
            source = state.soundSource[sound];
        } else if (isAlwaysIncluded(sound)) {
            source = alwaysIncludedSource(state.session, sound);
        }
        if (source) copySound(state, *source, sound);
    }
}

}  // namespace kavrin

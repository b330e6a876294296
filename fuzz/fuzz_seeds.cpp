// Writes synthetic files that read without complaint, to seed the fuzzers' corpora:
//   fuzz_seeds WAD_CORPUS_DIR SWD_CORPUS_DIR LEVEL_CORPUS_DIR LEVEL_DATA_CORPUS_DIR
#include <cstdio>
#include <string>

#include "formats/wad_file.h"
#include "support/synthetic_level.h"
#include "support/synthetic_wad.h"

using namespace kavrin;

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr,
                     "usage: fuzz_seeds WAD_CORPUS_DIR SWD_CORPUS_DIR LEVEL_CORPUS_DIR "
                     "LEVEL_DATA_CORPUS_DIR\n");
        return 2;
    }
    const std::string wadDirectory = argv[1];
    const std::string swdDirectory = argv[2];
    const std::string levelDirectory = argv[3];
    const std::string levelDataDirectory = argv[4];

    // A WAD with textured polygons needs a whole 196608-byte page; without polygons the meshes
    // need no object textures, and the small file keeps the fuzzer fast.
    const test::SyntheticWad textured = test::smallWad();
    test::SyntheticWad bare = textured;
    bare.textures.clear();
    bare.pageCount = 0;
    for (MeshInfo& mesh : bare.meshes) mesh.polygons.clear();
    bare.meshPointers = test::meshStarts(bare.meshes);

    SpriteWad swd;
    swd.sprites.resize(2);
    swd.page.assign(48, 7);
    swd.sequences = {{.slot = 463, .negativeLength = -2, .firstSprite = 0}};

    // A level with something in every section, so that the walk reaches them all.
    const test::SyntheticLevel level = test::populatedLevel();

    bool written = test::writeBytes(wadDirectory + "/bare.WAD", test::wadBytes(bare)) &&
                   test::writeBytes(wadDirectory + "/textured.WAD", test::wadBytes(textured)) &&
                   test::writeBytes(swdDirectory + "/small.SWD", encodeSwdFile(swd)) &&
                   test::writeBytes(levelDirectory + "/small.tr4", test::buildLevelFile(level)) &&
                   test::writeBytes(levelDataDirectory + "/small", test::buildLevelData(level));
    if (!written) std::fprintf(stderr, "fuzz_seeds: cannot write the seed files\n");
    return written ? 0 : 1;
}

// Running build scripts (.KVS): Load Script places a script's objects as if the user had placed
// them by hand; Build Wad from Script places them and saves the set at once.
#pragma once

namespace kavrin {

struct FileRecord;
struct Session;

// Load Script (`build` false) and Build Wad from Script (`build` true). The caller has already
// dropped the edited WAD (askSaveChanges, then its source released and every slot cleared). Asks
// for the script and runs it with runBuildScriptFile.
bool runBuildScript(Session& session, bool build);

// Runs the script the record names. Sources are found among the loaded references, else in the
// source directory (asking for their folder when they are not there). Every object line is
// checked and placed in turn; the first bad line is reported and ends the run, the lines before it
// staying placed. Then Load names the edited WAD after the script, in the WAD directory, without
// saving; Build saves the set there under the script's base name, asking first when a set of that
// name exists. True when every line was placed and, for Build, the set was saved; false after a
// message, or after the user gave up. With `withDependencies`, what the placed objects need from
// their sources and lack is placed too, in its own slots, before the set is saved or named.
bool runBuildScriptFile(Session& session, const FileRecord& script, bool build,
                        bool withDependencies = false);

}  // namespace kavrin

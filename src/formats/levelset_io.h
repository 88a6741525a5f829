#pragma once
// The readers and writers of whole levelsets that the open dispatcher and
// "Save Levelset As" choose between. Each fills or reads the session's
// levelmap; `path` is the file to read or write.
#include <string>

namespace pyrovel {

class EditorSession;

// Readers, by the dispatcher's rows.
void ReadRushLevel(EditorSession& session, const std::string& path);     // ".gam"
void ReadABDLevel(EditorSession& session, const std::string& path);      // ".caves", Boulderoid
void ReadBD4Level(EditorSession& session, const std::string& path);      // ".lev", ".levels"
void ReadBD4V2Level(EditorSession& session, const std::string& path);    // ".bd4"
void ReadDasLevel(EditorSession& session, const std::string& path);      // ".das"
void ImportBDCFF(EditorSession& session, const std::string& path);       // ".bd"
void ReadBpbdLevelset(EditorSession& session, const std::string& path);  // "BPBD" .map
void ReadSupaplexLevel(EditorSession& session, const std::string& path); // levels.d*

// Writers for "Save Levelset As" types 2 to 4 and the BDCFF save.
void SaveasBD4(EditorSession& session, const std::string& path);
void SaveasEMV6(EditorSession& session, const std::string& path);
void SaveasBDCFF(EditorSession& session, const std::string& path);

}  // namespace pyrovel

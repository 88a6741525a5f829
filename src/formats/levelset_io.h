#pragma once
// The readers and writers of whole levelsets that the open dispatcher and
// "Save Levelset As" choose between. Each fills or reads the session's
// levelmap; `path` is the file to read or write.
#include <string>

namespace pyrovel {

class EditorSession;

// Readers, by the dispatcher's rows.
void readRushLevels(EditorSession& session, const std::string& path);      // ".gam"
void readAbdLevels(EditorSession& session, const std::string& path);       // ".caves", Boulderoid
void readBd4Levelset(EditorSession& session, const std::string& path);     // ".lev", ".levels"
void readBd4V2Level(EditorSession& session, const std::string& path);      // ".bd4"
void readDasLevels(EditorSession& session, const std::string& path);       // ".das"
void importBdcff(EditorSession& session, const std::string& path);         // ".bd"
void readSupaplexLevels(EditorSession& session, const std::string& path);  // levels.d*

// Writers for "Save Levelset As" types 2 to 4 and the BDCFF save.
void saveAsBd4(EditorSession& session, const std::string& path);
void saveAsEmV6(EditorSession& session, const std::string& path);
void saveAsBdcff(EditorSession& session, const std::string& path);

}  // namespace pyrovel

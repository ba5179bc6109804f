#pragma once

#include <QString>

#include <string>

namespace tremaro {

// The folder of the form last read or saved, kept between runs in the user's settings: Чете
// opens its dialog there, where the operator's forms are, instead of wherever the program
// happened to be started (from a desktop menu, the home folder). A folder that is gone, or
// none remembered, leaves the home folder.
class RememberedFolder {
public:
    QString FolderToStartIn() const;
    void RememberFolderOf(const std::string& formPath);
};

}  // namespace tremaro

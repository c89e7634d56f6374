#pragma once
// The settings document: one complete copy of the panel's programming memory
// and everything a settings file (".rps") carries besides it.
#include "panel/LayoutTable.h"
#include "panel/PanelIdentity.h"
#include "panel/PanelImage.h"
#include "panel/Setting.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <span>
#include <string>
#include <vector>

namespace qarvo::panel {

struct EventLog {
    std::string name;
    std::vector<std::string> lines;
    friend bool operator==(const EventLog&, const EventLog&) = default;
};

// The lock that serialises every access to one document. It stays with its
// document object: copying or moving a document's contents into another
// object leaves each object its own lock.
class DocumentLock {
public:
    DocumentLock() = default;
    DocumentLock(const DocumentLock&) {}
    DocumentLock& operator=(const DocumentLock&) { return *this; }
    std::recursive_mutex& mutex() const { return mutex_; }

private:
    mutable std::recursive_mutex mutex_;
};

class CUploadDoc {
public:
    static constexpr std::size_t kUserNameCount = 256;
    static constexpr std::size_t kTaviOptionsSize = 328;
    using TaviOptionsBytes = std::array<std::uint8_t, kTaviOptionsSize>;

    static constexpr std::uint8_t kFormatMark = 0x90;
    // "Current log": the name of log 0, which the caller fetches in the
    // user's language and hands to the constructor.
    static constexpr int kCurrentLogTextId = 5241;
    // "You connected to a different panel. All parameters have been reset to default."
    static constexpr int kDifferentPanelTextId = 5186;

    // Starts as a new document. The communicator options record starts zeroed:
    // it belongs to the communicator page, which fills it with setTaviOptions
    // from its defaults file or built-in default; new documents keep it.
    explicit CUploadDoc(std::string currentLogName);

    // Type 0x24 with its model's identity values, its layout and defaults.
    void newDocument();

    // Reads a ".rps" file into a fresh document and takes it over only when
    // the whole file read; otherwise this document stays as it was. Returns ""
    // or why the file was refused.
    std::string open(const std::filesystem::path& path);
    // Writes the ".rps" file atomically: the contents as they stand between
    // two worker steps. Returns "" or why nothing was saved. A change made
    // while the file was written keeps the document modified.
    std::string save(const std::filesystem::path& path);

    std::vector<std::uint8_t> serialize() const;
    // As open, from bytes already read.
    std::string deserialize(std::span<const std::uint8_t> bytes);

    // Lays the layout table out for the identity's type code and user record
    // count and writes the model byte.
    void buildLayout();
    // New-document image, user names, notes, reserved text and logs.
    void loadDefaults();

    // Run when a panel has identified itself: takes its identity values and,
    // if its type code differs from the one the layout is built for, rebuilds
    // the layout, loads the new model's defaults and returns true (the caller
    // tells the user once, kDifferentPanelTextId). The same model resets nothing.
    bool checkModel(const PanelIdentity& identified);

    // --- contents ---
    PanelImage& image() { return image_; }
    const PanelImage& image() const { return image_; }
    const LayoutTable& layout() const { return layout_; }
    const PanelIdentity& identity() const { return identity_; }
    // Identification stores the panel's reply here; the identified notice
    // then runs checkModel(identity()).
    PanelIdentity& identity() { return identity_; }

    // The image bytes of a named setting; empty when the model lacks it.
    std::span<std::uint8_t> bytes(Setting s) { return layout_.bytes(image_, s); }
    std::span<const std::uint8_t> bytes(Setting s) const { return layout_.bytes(image_, s); }

    const std::array<std::string, kUserNameCount>& userNames() const { return userNames_; }
    void setUserName(std::size_t index, std::string name);
    const std::string& panelNotes() const { return panelNotes_; }
    void setPanelNotes(std::string notes);
    const std::string& reservedText() const { return reservedText_; }
    void setReservedText(std::string text);

    // Log 0 is the current log.
    const std::vector<EventLog>& logs() const { return logs_; }
    std::vector<EventLog>& logs() { return logs_; }

    const TaviOptionsBytes& taviOptions() const { return taviOptions_; }
    void setTaviOptions(const TaviOptionsBytes& record);

    // Changed since the last new, open or save. Setters raise it; whoever
    // edits the image or the logs in place calls markModified.
    bool isModified() const;
    void markModified() { modified_ = true; ++revision_; }
    // Counts the changes made; it never goes back.
    std::uint64_t revision() const { return revision_; }

    // One owner, two threads: the operation worker applies each step's
    // result (a committed memory range, a log group or line, a model change)
    // while holding this lock, and the user interface holds it to read what
    // a worker may be changing (saving, printing, showing the pages). Either
    // side therefore sees the document as it was before or after a whole
    // step. newDocument, open, save, serialize, checkModel and isModified take it
    // themselves; the lock is recursive, so a holder may call them.
    [[nodiscard]] std::unique_lock<std::recursive_mutex> lock() const
    {
        return std::unique_lock(lock_.mutex());
    }

private:
    void resetLogs();

    std::string currentLogName_;
    PanelImage image_;
    LayoutTable layout_;
    PanelIdentity identity_;
    std::array<std::string, kUserNameCount> userNames_;
    std::string panelNotes_;
    std::string reservedText_;
    std::vector<EventLog> logs_;
    TaviOptionsBytes taviOptions_{};
    bool modified_ = false;
    std::uint64_t revision_ = 0;
    DocumentLock lock_;
};

} // namespace qarvo::panel

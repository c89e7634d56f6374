#pragma once
// The backups' documents of the site book, kept by content: a document is
// stored once as documents/<SHA-256 of its bytes>.rps however many backups
// name it. The folder and the files are the owner's only: documents hold
// every code of the panel and the communicator password.
#include <filesystem>
#include <string>

namespace qarvo::sites {

class DocumentStore {
public:
    explicit DocumentStore(std::filesystem::path folder) : folder_(std::move(folder)) {}

    const std::filesystem::path& folder() const { return folder_; }
    // The path of the document with that digest.
    std::filesystem::path pathOf(const std::string& digest) const;
    // Moves the file into the store (or drops it when the store holds the
    // same bytes already); "" and its digest, or why it could not.
    std::string keep(const std::filesystem::path& file, std::string& digest) const;
    // A file in the store's folder that a document may be written to first,
    // a new one on every call.
    std::filesystem::path incomingFile() const;

private:
    std::filesystem::path folder_;
};

} // namespace qarvo::sites

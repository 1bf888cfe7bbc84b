#pragma once

#include <memory>
#include <string>

#include "platform/runtime/NSObject.h"

class NoteStoreObject;

// A note of the Notes framework: its text, title, summary, store, dates and guid. A note made by
// a context's newlyAddedNote is saved with the context.
class NoteObject : public NSObject {
    RUNTIME_CLASS(NoteObject)
    const std::string& content() const { return content_; }
    void setContent(std::string content) { content_ = std::move(content); }
    const std::string& title() const { return title_; }
    void setTitle(std::string title) { title_ = std::move(title); }
    const std::string& summary() const { return summary_; }
    void setSummary(std::string summary) { summary_ = std::move(summary); }
    const std::shared_ptr<NoteStoreObject>& store() const { return store_; }
    void setStore(std::shared_ptr<NoteStoreObject> store) { store_ = std::move(store); }
    double modificationDate() const { return modificationDate_; }
    void setModificationDate(double date) { modificationDate_ = date; }
    double creationDate() const { return creationDate_; }
    void setCreationDate(double date) { creationDate_ = date; }
    const std::string& guid() const { return guid_; }
    void setGuid(std::string guid) { guid_ = std::move(guid); }

private:
    std::string content_;
    std::string title_;
    std::string summary_;
    std::shared_ptr<NoteStoreObject> store_;
    double modificationDate_ = 0;  // seconds since 2001-01-01, as the platform's dates
    double creationDate_ = 0;
    std::string guid_;
};

// Where notes are kept: the device's local store (the only one here).
class NoteStoreObject : public NSObject {
    RUNTIME_CLASS(NoteStoreObject)
    explicit NoteStoreObject(std::string name = "Local") : name_(std::move(name)) {}
    const std::string& name() const { return name_; }

private:
    std::string name_;
};

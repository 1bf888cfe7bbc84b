#include "platform/foundation/CFPreferences.h"

#include <map>
#include <memory>
#include <mutex>
#include <utility>

#include <strings.h>

#include "platform/foundation/DeviceRoot.h"
#include "platform/foundation/NSRunLoop.h"
#include "platform/foundation/NSThread.h"
#include "platform/foundation/PreferencesDomain.h"
#include "platform/foundation/SystemLog.h"

namespace {

// The domains this process has touched, by file, and the end-of-turn write of their changes.
class PreferencesService {
public:
    static PreferencesService& shared() {
        static PreferencesService* service = new PreferencesService();  // used until exit
        return *service;
    }

    // Null for a name that can't be a domain.
    PreferencesDomain* domain(std::string_view applicationID) {
        if (!CFPreferencesIsValidDomain(applicationID)) {
            NSLog("Invalid preferences domain \"" + std::string(applicationID) + "\"");
            return nullptr;
        }
        std::string file = DeviceRoot::resolve(CFPreferencesDomainPath(applicationID)).string();
        std::lock_guard lock(mutex_);
        auto& domain = domains_[file];
        if (!domain) domain = std::make_unique<PreferencesDomain>(file);
        return domain.get();
    }

    void changed(PreferencesDomain& domain) {
        if (!NSThread::isMainThread()) {
            domain.flush();
            return;
        }
        if (std::exchange(flushScheduled_, true)) return;
        NSRunLoop::mainRunLoop().performAtEndOfTurn([this] {
            flushScheduled_ = false;
            flushAll();
        });
    }

private:
    void flushAll() {
        std::vector<PreferencesDomain*> pending;
        {
            std::lock_guard lock(mutex_);
            for (auto& [file, domain] : domains_) {
                if (domain->hasPendingChanges()) pending.push_back(domain.get());
            }
        }
        for (PreferencesDomain* domain : pending) domain->flush();
    }

    std::mutex mutex_;
    std::map<std::string, std::unique_ptr<PreferencesDomain>> domains_;
    bool flushScheduled_ = false;  // main thread only
};

std::optional<bool> booleanReading(const PlistValue& value) {
    if (value.isNumber()) return value.boolValue();
    if (const std::string* text = value.asString()) {
        if (strcasecmp(text->c_str(), "true") == 0 || strcasecmp(text->c_str(), "yes") == 0)
            return true;
        if (strcasecmp(text->c_str(), "false") == 0 || strcasecmp(text->c_str(), "no") == 0)
            return false;
    }
    return std::nullopt;
}

}  // namespace

bool CFPreferencesIsValidDomain(std::string_view applicationID) {
    return !applicationID.empty() && applicationID.find('/') == std::string_view::npos &&
           applicationID.find('\0') == std::string_view::npos && applicationID.front() != '.';
}

std::string CFPreferencesDomainPath(std::string_view applicationID) {
    return "/var/mobile/Library/Preferences/" + std::string(applicationID) + ".plist";
}

std::optional<std::vector<std::string>> CFPreferencesCopyKeyList(std::string_view applicationID,
                                                                 CFPreferencesUser,
                                                                 CFPreferencesHost) {
    PreferencesDomain* domain = PreferencesService::shared().domain(applicationID);
    auto contents = domain != nullptr ? domain->contents() : std::nullopt;
    if (!contents || contents->empty()) return std::nullopt;
    std::vector<std::string> keys;
    for (const auto& [key, value] : *contents) keys.push_back(key);
    return keys;
}

std::optional<PlistDictionary> CFPreferencesCopyMultiple(const std::vector<std::string>& keys,
                                                         std::string_view applicationID,
                                                         CFPreferencesUser, CFPreferencesHost) {
    PreferencesDomain* domain = PreferencesService::shared().domain(applicationID);
    auto contents = domain != nullptr ? domain->contents() : std::nullopt;
    if (!contents) return std::nullopt;
    PlistDictionary values;
    for (const std::string& key : keys) {
        if (auto it = contents->find(key); it != contents->end())
            values.insert_or_assign(key, it->second);
    }
    return values;
}

void CFPreferencesSetValue(std::string_view key, std::optional<PlistValue> value,
                           std::string_view applicationID, CFPreferencesUser, CFPreferencesHost) {
    PreferencesDomain* domain = PreferencesService::shared().domain(applicationID);
    if (domain == nullptr) return;
    domain->set(std::string(key), std::move(value));
    PreferencesService::shared().changed(*domain);
}

bool CFPreferencesCreateAppFileIfMissing(std::string_view applicationID,
                                         const PlistDictionary& contents) {
    PreferencesDomain* domain = PreferencesService::shared().domain(applicationID);
    return domain != nullptr && domain->createIfMissing(contents);
}

bool CFPreferencesAppSynchronize(std::string_view applicationID) {
    PreferencesDomain* domain = PreferencesService::shared().domain(applicationID);
    return domain != nullptr && domain->flush();
}

bool CFPreferencesGetAppBooleanValue(std::string_view key, std::string_view applicationID,
                                     bool* keyExistsAndHasValidFormat) {
    std::optional<bool> result;
    auto values = CFPreferencesCopyMultiple({std::string(key)}, applicationID,
                                            kCFPreferencesCurrentUser, kCFPreferencesAnyHost);
    if (values) {
        if (auto it = values->find(key); it != values->end()) result = booleanReading(it->second);
    }
    if (keyExistsAndHasValidFormat != nullptr) *keyExistsAndHasValidFormat = result.has_value();
    return result.value_or(false);
}

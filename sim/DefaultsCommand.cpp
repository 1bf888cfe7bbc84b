#include "sim/DefaultsCommand.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <ostream>

#include <strings.h>

#include "platform/foundation/CFPreferences.h"
#include "platform/foundation/DeviceRoot.h"
#include "platform/foundation/NSFileManager.h"
#include "sim/DefaultDeviceRoot.h"
#include "sim/PlistDescription.h"

namespace {

constexpr char kUsage[] =
    "usage: plakko-sim defaults [--root DIR] read [DOMAIN [KEY]]\n"
    "       plakko-sim defaults [--root DIR] write DOMAIN KEY (-bool true|false | -float N | -int "
    "N | -string S)\n"
    "       plakko-sim defaults [--root DIR] delete DOMAIN [KEY]\n";

constexpr char kPreferencesFolder[] = "/var/mobile/Library/Preferences";
constexpr char kPlistSuffix[] = ".plist";

struct Failure {
    int status;
    std::string message;
};

// A domain's keys and values, told apart from a missing domain and from an unreadable file.
void requireValidName(const std::string& domain) {
    if (!CFPreferencesIsValidDomain(domain)) {
        throw Failure{1, "\"" + domain + "\" is not a valid domain name"};
    }
}

std::optional<PlistDictionary> readDomain(const std::string& domain) {
    requireValidName(domain);
    if (!NSFileManager::defaultManager().fileExistsAtPath(CFPreferencesDomainPath(domain))) {
        return std::nullopt;
    }
    auto keys = CFPreferencesCopyKeyList(domain, kCFPreferencesCurrentUser, kCFPreferencesAnyHost);
    auto values = CFPreferencesCopyMultiple(keys.value_or(std::vector<std::string>{}), domain,
                                            kCFPreferencesCurrentUser, kCFPreferencesAnyHost);
    if (!values) {
        throw Failure{1, "the preferences file of domain " + domain + " (" +
                             DeviceRoot::resolve(CFPreferencesDomainPath(domain)).string() +
                             ") can't be read as a property list"};
    }
    return values;
}

PlistDictionary existingDomain(const std::string& domain) {
    auto values = readDomain(domain);
    if (!values) throw Failure{1, "Domain " + domain + " does not exist"};
    return *values;
}

void synchronize(const std::string& domain) {
    if (!CFPreferencesAppSynchronize(domain)) {
        throw Failure{1, "the preferences of domain " + domain + " could not be written"};
    }
}

template <class Number>
std::optional<Number> parseWhole(const std::string& text) {
    Number value{};
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

PlistValue parseValue(const std::string& type, const std::string& text) {
    if (type == "-bool") {
        for (const char* yes : {"true", "yes", "1"}) {
            if (strcasecmp(text.c_str(), yes) == 0) return PlistValue::boolean(true);
        }
        for (const char* no : {"false", "no", "0"}) {
            if (strcasecmp(text.c_str(), no) == 0) return PlistValue::boolean(false);
        }
        throw Failure{1, "\"" + text + "\" is not a boolean (true or false)"};
    }
    if (type == "-float") {
        auto value = parseWhole<double>(text);
        if (!value || !std::isfinite(*value) ||
            std::fabs(*value) > std::numeric_limits<float>::max()) {
            throw Failure{1, "\"" + text + "\" is not a finite single-precision number"};
        }
        return PlistValue::float32(static_cast<float>(*value));
    }
    if (type == "-int") {
        auto value = parseWhole<std::int64_t>(text);
        if (!value) throw Failure{1, "\"" + text + "\" is not a whole number"};
        return PlistValue::integer(*value);
    }
    if (type == "-string") return PlistValue::string(text);
    throw Failure{2, "unknown value type " + type};
}

int read(const std::vector<std::string>& args, std::ostream& out) {
    if (args.empty()) {
        PlistDictionary all;
        for (const std::string& name :
             NSFileManager::defaultManager().contentsOfDirectoryAtPath(kPreferencesFolder)) {
            if (!name.ends_with(kPlistSuffix) || name.size() == sizeof kPlistSuffix - 1) continue;
            std::string domain = name.substr(0, name.size() - (sizeof kPlistSuffix - 1));
            if (CFPreferencesIsValidDomain(domain))
                all.emplace(domain, PlistValue::dictionary(existingDomain(domain)));
        }
        out << describePlist(PlistValue::dictionary(all)) << "\n";
        return 0;
    }
    PlistDictionary values = existingDomain(args[0]);
    if (args.size() == 1) {
        out << describePlist(PlistValue::dictionary(values)) << "\n";
        return 0;
    }
    auto it = values.find(args[1]);
    if (it == values.end()) {
        throw Failure{
            1, "The domain/default pair of (" + args[0] + ", " + args[1] + ") does not exist"};
    }
    out << describeTopLevelValue(it->second) << "\n";
    return 0;
}

int write(const std::vector<std::string>& args) {
    const std::string& domain = args[0];
    const std::string& key = args[1];
    if (key.empty()) throw Failure{1, "a key can't be empty"};
    PlistValue value = parseValue(args[2], args[3]);
    requireValidName(domain);
    CFPreferencesSetValue(key, value, domain, kCFPreferencesCurrentUser, kCFPreferencesAnyHost);
    synchronize(domain);
    return 0;
}

int remove(const std::vector<std::string>& args, std::ostream& out) {
    const std::string& domain = args[0];
    PlistDictionary values = existingDomain(domain);
    if (args.size() == 2) {
        if (values.find(args[1]) == values.end()) {
            throw Failure{1, "Key " + args[1] + " does not exist in domain " + domain +
                                 "; leaving defaults unchanged"};
        }
        CFPreferencesSetValue(args[1], std::nullopt, domain, kCFPreferencesCurrentUser,
                              kCFPreferencesAnyHost);
    } else {
        for (const auto& [key, value] : values) {
            CFPreferencesSetValue(key, std::nullopt, domain, kCFPreferencesCurrentUser,
                                  kCFPreferencesAnyHost);
        }
        out << "Removed " << values.size() << " keys from " << domain << "\n";
    }
    synchronize(domain);
    return 0;
}

}  // namespace

int runDefaultsCommand(const std::vector<std::string>& arguments, std::ostream& out,
                       std::ostream& err) {
    std::vector<std::string> args = arguments;
    const auto root = takeRootOption(args, "defaults", kUsage, err);
    if (!root) return 2;
    if (args.empty()) {
        err << kUsage;
        return 2;
    }
    const std::string verb = args[0];
    args.erase(args.begin());
    const bool shapeOk = (verb == "read" && args.size() <= 2) ||
                         (verb == "write" && args.size() == 4) ||
                         (verb == "delete" && (args.size() == 1 || args.size() == 2));
    if (!shapeOk) {
        err << kUsage;
        return 2;
    }
    DeviceRoot::setPath(*root);
    try {
        if (verb == "read") return read(args, out);
        if (verb == "write") return write(args);
        return remove(args, out);
    } catch (const Failure& failure) {
        err << "defaults: " << failure.message << "\n";
        if (failure.status == 2) err << kUsage;
        return failure.status;
    }
}

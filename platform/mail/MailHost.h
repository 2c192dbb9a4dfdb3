#pragma once
// The server named by the user: "name", "name:port", an IPv6 address in
// brackets with or without a port, or a bare IPv6 address.

#include <QString>

#include <optional>

namespace vl {

struct MailHost {
    QString name; // ASCII (international names in their ACE form), IPv6 without brackets
    int port = 0;
    bool ipv6 = false;

    // The host as a URL carries it: "name:port" or "[v6]:port".
    QString Authority() const;
};

// Nothing when the text is blank, names no usable host, or has a port outside
// 1-65535; characters that could reach into a URL or a command are refused.
std::optional<MailHost> ParseMailHost(const QString& text, int defaultPort);

} // namespace vl

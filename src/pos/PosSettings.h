#pragma once

#include "data/Query.h"

namespace kvr::pos {

// The company's switches the sale screen reads from its Config row (configuration keys keep their
// names). Read afresh whenever the row is reopened; never written here.
class PosSettings
{
public:
    explicit PosSettings(data::Query& config)
        : m_config(config)
    { }

    // The row as it is now in the database.
    void reload() { m_config.open(); }
    void openOnce()
    {
        if (!m_config.isOpen())
            m_config.open();
    }

    data::Field field(const char* key) const { return m_config.field(QString::fromLatin1(key)); }
    QString text(const char* key) const { return field(key).asString().trimmed(); }
    int number(const char* key) const { return field(key).asInteger(); }
    // The switch is on ("Y").
    bool isOn(const char* key) const;
    // The switch is explicitly off ("N"): some switches default to on when left empty.
    bool isOff(const char* key) const;

private:
    data::Query& m_config;
};

} // namespace kvr::pos

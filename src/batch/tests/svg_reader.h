#pragma once
// The batch answers' pictures read back: every element with its attributes,
// its text and the data-part groups it stands in.
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <cmath>
#include <map>
#include <vector>

namespace qvk::svg_reader {

struct Element {
    QString name;
    std::map<QString, QString> at; // its attributes
    QString text;
    QStringList parts; // data-part of the groups it is in, outermost first
    QString attr(const char* key) const
    {
        const auto it = at.find(QString::fromLatin1(key));
        return it == at.end() ? QString() : it->second;
    }
    double number(const char* key) const
    {
        bool ok = false;
        const double v = attr(key).toDouble(&ok);
        return ok ? v : NAN;
    }
};

struct Picture {
    QString error;
    double width = 0, height = 0;
    std::vector<Element> elements;
};

inline Picture read(const QString& svg)
{
    Picture p;
    QXmlStreamReader xml(svg);
    QStringList parts;
    std::vector<bool> grouped;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            Element e;
            e.name = xml.name().toString();
            for (const QXmlStreamAttribute& a : xml.attributes())
                e.at[a.name().toString()] = a.value().toString();
            e.parts = parts;
            if (e.name == u"svg") {
                const QStringList box = e.attr("viewBox").split(u' ');
                if (box.size() == 4) {
                    p.width = box[2].toDouble();
                    p.height = box[3].toDouble();
                }
            }
            const bool group = e.name == u"g" && !e.attr("data-part").isEmpty();
            grouped.push_back(group);
            if (group)
                parts << e.attr("data-part");
            const bool read = e.name == u"text" || e.name == u"title";
            if (read)
                e.text = xml.readElementText();
            p.elements.push_back(e);
            if (read) {
                // readElementText() consumed the end element.
                grouped.pop_back();
            }
        } else if (xml.isEndElement()) {
            if (!grouped.empty()) {
                if (grouped.back())
                    parts.removeLast();
                grouped.pop_back();
            }
        }
    }
    if (xml.hasError())
        p.error = xml.errorString();
    return p;
}

} // namespace qvk::svg_reader

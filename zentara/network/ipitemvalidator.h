// ipitemvalidator.h: the validator of one octet field of the IPv4 input widget.
#ifndef ZENTARA_NETWORK_IPITEMVALIDATOR_H
#define ZENTARA_NETWORK_IPITEMVALIDATOR_H

#include <QIntValidator>

// Accepts 0 to 255. An empty field stays empty on fix-up, so that clearing an octet is allowed
// while typing; it reads as 0 in the address. Up to three digits above the top stay as typed
// (intermediate), so that the field shows what was typed rather than another number. A whole
// dotted address is intermediate too: it was pasted, and the address widget spreads it over its
// four fields.
class IPItemValidator final : public QIntValidator
{
    Q_OBJECT
    Q_DISABLE_COPY(IPItemValidator)
public:
    explicit IPItemValidator(QObject *parent = nullptr);
    IPItemValidator(int bottom, int top, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
};

#endif // ZENTARA_NETWORK_IPITEMVALIDATOR_H

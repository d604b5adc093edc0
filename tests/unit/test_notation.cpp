#include <QTest>

class Testnotation : public QObject {
    Q_OBJECT
};

QTEST_APPLESS_MAIN(Testnotation)
#include "test_notation.moc"

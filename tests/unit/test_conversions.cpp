#include <QTest>

class Testconversions : public QObject {
    Q_OBJECT
};

QTEST_APPLESS_MAIN(Testconversions)
#include "test_conversions.moc"

// vy_HotPixel as dapplix uses it: correction modes, the factory and user lists of the camera,
// the software list and its binary files, and correction in delivered frames.
#include "tests/sdk/simtest.h"
#include "tests/support/smalldisk.h"
#include "tests/support/testmain.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <sys/stat.h>

#include <algorithm>
#include <string>

namespace {

constexpr uint32_t monoDevice = 1;  // 1280 x 1024, 40 hot pixels, user list capacity 64
constexpr uint32_t bayerDevice = 2; // 2592 x 1944 Bayer

using List = std::vector<std::pair<int, int>>;

std::vector<uint16_t> buffer(const List &list)
{
    std::vector<uint16_t> words{uint16_t(list.size())};
    for (const auto &p : list) {
        words.push_back(uint16_t(p.first));
        words.push_back(uint16_t(p.second));
    }
    return words;
}

int32_t setList(VY_HCAM h, uint32_t command, const List &list)
{
    std::vector<uint16_t> words = buffer(list);
    return vy_HotPixel(h, command, words.data(), uint32_t(words.size() * 2));
}

// Reads a list with its count command, as dapplix does.
List getList(VY_HCAM h, uint32_t countCommand, uint32_t listCommand, int32_t *result = nullptr)
{
    int32_t n = -1;
    int32_t r = vy_HotPixel(h, countCommand, &n, sizeof n);
    List list;
    if (r == VY_SUCCESS && n > 0) {
        std::vector<uint16_t> words(1 + 2 * size_t(n));
        r = vy_HotPixel(h, listCommand, words.data(), uint32_t(2 + 4 * n));
        if (r == VY_SUCCESS && words[0] == n)
            for (int i = 0; i < n; ++i)
                list.emplace_back(words[1 + 2 * size_t(i)], words[2 + 2 * size_t(i)]);
    }
    if (result)
        *result = r;
    return list;
}

std::vector<VYSIM_HOT_PIXEL> truth(uint32_t deviceId)
{
    uint32_t n = 0;
    vysim_hot_pixels(deviceId, nullptr, 0, &n);
    std::vector<VYSIM_HOT_PIXEL> pixels(n);
    vysim_hot_pixels(deviceId, pixels.data(), n, &n);
    return pixels;
}

std::wstring wide(const QString &path)
{
    return path.toStdWString();
}

class Handle
{
public:
    explicit Handle(uint32_t deviceId)
    {
        h = VY_HCAM(deviceId | VY_UNOPENED);
        if (vy_InitCamera(&h, nullptr) != VY_SUCCESS)
            h = 0;
    }
    ~Handle()
    {
        if (h)
            vy_ExitCamera(h);
    }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    VY_HCAM h = 0;
};

} // namespace

class tst_SimHotPixel : public QObject
{
    Q_OBJECT

private slots:
    void init() { simtest::resetWorld(); }

    void correctionModes_data()
    {
        QTest::addColumn<int>("supported");
        QTest::addColumn<uint32_t>("mode");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("modeAfter");
        QTest::newRow("camera") << 6 << uint32_t(VY_HOTPIXEL_ENABLE_CAMERA_CORRECTION) << VY_SUCCESS
                                << 2;
        QTest::newRow("software") << 6 << uint32_t(VY_HOTPIXEL_ENABLE_SOFTWARE_CORRECTION)
                                  << VY_SUCCESS << 4;
        QTest::newRow("off") << 6 << uint32_t(VY_HOTPIXEL_DISABLE_CORRECTION) << VY_SUCCESS << 0;
        QTest::newRow("camera_unsupported")
            << 4 << uint32_t(VY_HOTPIXEL_ENABLE_CAMERA_CORRECTION) << VY_NOT_SUPPORTED << 0;
        QTest::newRow("software_unsupported")
            << 2 << uint32_t(VY_HOTPIXEL_ENABLE_SOFTWARE_CORRECTION) << VY_NOT_SUPPORTED << 0;
    }
    void correctionModes()
    {
        QFETCH(int, supported);
        QFETCH(uint32_t, mode);
        QCOMPARE(vysim_set_device_field(monoDevice, "hotPixelCorrectionModes",
                                        QByteArray::number(supported).constData(), nullptr, 0),
                 VY_SUCCESS);
        Handle cam(monoDevice);
        QVERIFY(cam.h);
        uint32_t modes = 0;
        QCOMPARE(vy_HotPixel(cam.h, VY_HOTPIXEL_GET_SUPPORTED_MODES, &modes, 4), VY_SUCCESS);
        QCOMPARE(int(modes), supported);
        QTEST(int(vy_HotPixel(cam.h, mode, nullptr, 0)), "result");
        uint32_t now = 99;
        QCOMPARE(vy_HotPixel(cam.h, VY_HOTPIXEL_GET_CORRECTION_MODE, &now, 4), VY_SUCCESS);
        QTEST(int(now), "modeAfter");
    }

    void notOpen()
    {
        int32_t n = 0;
        QCOMPARE(
            vy_HotPixel(VY_HCAM(monoDevice | VY_UNOPENED), VY_HOTPIXEL_GET_USER_LIST_NUMBER, &n, 4),
            VY_INVALID_HANDLE);
        Handle cam(monoDevice);
        QCOMPARE(vy_HotPixel(cam.h, 0x8999, &n, 4), VY_NOT_SUPPORTED);
    }

    // The factory list is a quarter of the true hot pixels, in their order.
    void factoryList()
    {
        Handle cam(monoDevice);
        QVERIFY(cam.h);
        const auto hot = truth(monoDevice);
        List expected;
        for (const auto &p : hot)
            if (p.factory)
                expected.emplace_back(p.x, p.y);
        QCOMPARE(int(expected.size()), int(hot.size() / 4));
        QCOMPARE(getList(cam.h, VY_HOTPIXEL_GET_FACTORY_LIST_NUMBER, VY_HOTPIXEL_GET_FACTORY_LIST),
                 expected);
    }

    void smallBuffers_data()
    {
        QTest::addColumn<uint32_t>("command");
        QTest::addColumn<uint32_t>("size");
        QTest::newRow("factory_count") << uint32_t(VY_HOTPIXEL_GET_FACTORY_LIST_NUMBER) << 3u;
        QTest::newRow("factory_list_one_short")
            << uint32_t(VY_HOTPIXEL_GET_FACTORY_LIST) << uint32_t(2 + 4 * 10 - 1);
        QTest::newRow("factory_list_word_only") << uint32_t(VY_HOTPIXEL_GET_FACTORY_LIST) << 2u;
        QTest::newRow("user_list") << uint32_t(VY_HOTPIXEL_GET_USER_LIST) << 9u;
        QTest::newRow("user_capacity") << uint32_t(VY_HOTPIXEL_GET_USER_LIST_MAX_NUMBER) << 2u;
        QTest::newRow("software_list") << uint32_t(VY_HOTPIXEL_GET_SOFTWARE_LIST) << 5u;
        QTest::newRow("modes") << uint32_t(VY_HOTPIXEL_GET_SUPPORTED_MODES) << 0u;
    }
    void smallBuffers()
    {
        QFETCH(uint32_t, command);
        QFETCH(uint32_t, size);
        Handle cam(monoDevice);
        QVERIFY(cam.h);
        QCOMPARE(setList(cam.h, VY_HOTPIXEL_SET_USER_LIST, {{1, 2}, {3, 4}, {5, 6}}), VY_SUCCESS);
        QCOMPARE(setList(cam.h, VY_HOTPIXEL_SET_SOFTWARE_LIST, {{1, 2}, {3, 4}}), VY_SUCCESS);
        std::vector<uint8_t> guard(256, 0xA5);
        QCOMPARE(vy_HotPixel(cam.h, command, guard.data(), size), VY_BUFFER_TOO_SMALL);
        QVERIFY(std::all_of(guard.begin(), guard.end(), [](uint8_t b) { return b == 0xA5; }));
    }

    void userListWrite_data()
    {
        QTest::addColumn<QVariantList>("pixels"); // flat x, y, x, y, ...
        QTest::addColumn<int>("sizeCut");         // bytes less than 2 + 4n
        QTest::addColumn<int>("result");
        QTest::newRow("three") << QVariantList{10, 20, 1279, 1023, 0, 0} << 0 << VY_SUCCESS;
        QTest::newRow("empty") << QVariantList{} << 0 << VY_SUCCESS;
        QTest::newRow("outside_x") << QVariantList{1280, 5} << 0 << VY_INVALID_PARAMETER;
        QTest::newRow("outside_y") << QVariantList{5, 1024} << 0 << VY_INVALID_PARAMETER;
        QTest::newRow("truncated") << QVariantList{1, 1, 2, 2} << 1 << VY_BUFFER_TOO_SMALL;
    }
    void userListWrite()
    {
        QFETCH(QVariantList, pixels);
        QFETCH(int, sizeCut);
        QFETCH(int, result);
        Handle cam(monoDevice);
        QVERIFY(cam.h);
        const List before{{7, 7}};
        QCOMPARE(setList(cam.h, VY_HOTPIXEL_SET_USER_LIST, before), VY_SUCCESS);
        List list;
        for (int i = 0; i + 1 < pixels.size(); i += 2)
            list.emplace_back(pixels[i].toInt(), pixels[i + 1].toInt());
        std::vector<uint16_t> words = buffer(list);
        QCOMPARE(int(vy_HotPixel(cam.h, VY_HOTPIXEL_SET_USER_LIST, words.data(),
                                 uint32_t(words.size() * 2 - size_t(sizeCut)))),
                 result);
        QCOMPARE(getList(cam.h, VY_HOTPIXEL_GET_USER_LIST_NUMBER, VY_HOTPIXEL_GET_USER_LIST),
                 result == VY_SUCCESS ? list : before);
    }

    void userListCapacity()
    {
        QCOMPARE(vysim_set_device_field(monoDevice, "userHotPixelCapacity", "10", nullptr, 0),
                 VY_SUCCESS);
        Handle cam(monoDevice);
        QVERIFY(cam.h);
        int32_t capacity = 0;
        QCOMPARE(vy_HotPixel(cam.h, VY_HOTPIXEL_GET_USER_LIST_MAX_NUMBER, &capacity, 4),
                 VY_SUCCESS);
        QCOMPARE(capacity, 10);
        List ten;
        for (int i = 0; i < 10; ++i)
            ten.emplace_back(i, 2 * i);
        QCOMPARE(setList(cam.h, VY_HOTPIXEL_SET_USER_LIST, ten), VY_SUCCESS);
        List eleven = ten;
        eleven.emplace_back(100, 100);
        QCOMPARE(setList(cam.h, VY_HOTPIXEL_SET_USER_LIST, eleven), VY_INVALID_PARAMETER);
        QCOMPARE(getList(cam.h, VY_HOTPIXEL_GET_USER_LIST_NUMBER, VY_HOTPIXEL_GET_USER_LIST), ten);
        QCOMPARE(vy_HotPixel(cam.h, VY_HOTPIXEL_DELETE_USER_LIST, nullptr, 0), VY_SUCCESS);
        int32_t n = -1;
        QCOMPARE(vy_HotPixel(cam.h, VY_HOTPIXEL_GET_USER_LIST_NUMBER, &n, 4), VY_SUCCESS);
        QCOMPARE(n, 0);
    }

    // The user list lives in the shared state: another process and a reopened camera see it.
    void userListPersists()
    {
        const List list{{11, 12}, {300, 400}};
        {
            Handle cam(monoDevice);
            QVERIFY(cam.h);
            QCOMPARE(setList(cam.h, VY_HOTPIXEL_SET_USER_LIST, list), VY_SUCCESS);
        }
        if (qEnvironmentVariableIsEmpty("VYROSIM"))
            QSKIP("VYROSIM names the vyrosim tool (set by CTest)");
        QProcess p;
        p.start(QString::fromLocal8Bit(qgetenv("VYROSIM")), {QStringLiteral("world")});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);
        const QJsonObject world = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
        QJsonArray stored;
        for (const QJsonValue &d : world.value(QLatin1String("devices")).toArray())
            if (d.toObject().value(QLatin1String("deviceId")).toInt() == int(monoDevice))
                stored = d.toObject().value(QLatin1String("userHotPixels")).toArray();
        QCOMPARE(stored, (QJsonArray{QJsonArray{11, 12}, QJsonArray{300, 400}}));

        Handle again(monoDevice);
        QVERIFY(again.h);
        QCOMPARE(getList(again.h, VY_HOTPIXEL_GET_USER_LIST_NUMBER, VY_HOTPIXEL_GET_USER_LIST),
                 list);
    }

    void softwareList()
    {
        Handle cam(monoDevice);
        QVERIFY(cam.h);
        QCOMPARE(vy_HotPixel(cam.h, VY_HOTPIXEL_SOFTWARE_LIST_EXISTS, nullptr, 0), VY_NO_DATA);
        int32_t n = -1;
        QCOMPARE(vy_HotPixel(cam.h, VY_HOTPIXEL_GET_SOFTWARE_LIST_NUMBER, &n, 4), VY_SUCCESS);
        QCOMPARE(n, 0);
        const List list{{5, 6}, {7, 8}, {9, 10}};
        QCOMPARE(setList(cam.h, VY_HOTPIXEL_SET_SOFTWARE_LIST, list), VY_SUCCESS);
        QCOMPARE(vy_HotPixel(cam.h, VY_HOTPIXEL_SOFTWARE_LIST_EXISTS, nullptr, 0), VY_SUCCESS);
        QCOMPARE(
            getList(cam.h, VY_HOTPIXEL_GET_SOFTWARE_LIST_NUMBER, VY_HOTPIXEL_GET_SOFTWARE_LIST),
            list);
        // The software list belongs to the handle: a new one starts without.
        vy_ExitCamera(cam.h);
        cam.h = 0;
        Handle again(monoDevice);
        QCOMPARE(vy_HotPixel(again.h, VY_HOTPIXEL_SOFTWARE_LIST_EXISTS, nullptr, 0), VY_NO_DATA);
    }

    // dapplix's save and load: the software list through a file and back.
    void fileRoundTrip()
    {
        QTemporaryDir dir;
        Handle cam(bayerDevice);
        QVERIFY(cam.h);
        const List list{{1, 2}, {2591, 1943}, {1000, 17}};
        QCOMPARE(setList(cam.h, VY_HOTPIXEL_SET_SOFTWARE_LIST, list), VY_SUCCESS);
        const QString path = dir.filePath(QStringLiteral("Heißpixel ✓.bin"));
        std::wstring name = wide(path);
        QCOMPARE(vy_HotPixel(cam.h, VY_HOTPIXEL_SAVE_SOFTWARE_LIST, &name[0], 0), VY_SUCCESS);

        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QCOMPARE(bytes.size(), 16 + 4 * 3);
        QCOMPARE(bytes.left(4), QByteArray("VYHP"));

        QCOMPARE(setList(cam.h, VY_HOTPIXEL_SET_SOFTWARE_LIST, {}), VY_SUCCESS);
        QCOMPARE(vy_HotPixel(cam.h, VY_HOTPIXEL_LOAD_SOFTWARE_LIST, &name[0], 0), VY_SUCCESS);
        QCOMPARE(
            getList(cam.h, VY_HOTPIXEL_GET_SOFTWARE_LIST_NUMBER, VY_HOTPIXEL_GET_SOFTWARE_LIST),
            list);

        // The call log shows the UCS-4 name with its terminator.
        const auto calls = vysim::callsOf("vy_HotPixel");
        const auto save = std::find_if(calls.begin(), calls.end(), [](const auto &c) {
            return c.command == VY_HOTPIXEL_SAVE_SOFTWARE_LIST;
        });
        QVERIFY(save != calls.end());
        QCOMPARE(save->in.size(), (name.size() + 1) * sizeof(wchar_t));

        // An empty list is a valid file too.
        QCOMPARE(vy_HotPixel(cam.h, VY_HOTPIXEL_SAVE_SOFTWARE_LIST, &name[0], 0), VY_SUCCESS);
        QCOMPARE(vy_HotPixel(cam.h, VY_HOTPIXEL_LOAD_SOFTWARE_LIST, &name[0], 0), VY_SUCCESS);
    }

    void saveFailures()
    {
        QTemporaryDir dir;
        Handle cam(monoDevice);
        std::wstring name = wide(dir.filePath(QStringLiteral("list.bin")));
        QCOMPARE(vy_HotPixel(cam.h, VY_HOTPIXEL_SAVE_SOFTWARE_LIST, &name[0], 0), VY_NO_DATA);
        QCOMPARE(setList(cam.h, VY_HOTPIXEL_SET_SOFTWARE_LIST, {{1, 1}}), VY_SUCCESS);
        std::wstring missing = wide(dir.filePath(QStringLiteral("no/such/dir/list.bin")));
        QCOMPARE(vy_HotPixel(cam.h, VY_HOTPIXEL_SAVE_SOFTWARE_LIST, &missing[0], 0),
                 VY_FILE_OPEN_ERROR);
        QCOMPARE(vy_HotPixel(cam.h, VY_HOTPIXEL_SAVE_SOFTWARE_LIST, nullptr, 0),
                 VY_INVALID_PARAMETER);
        std::wstring empty;
        QCOMPARE(vy_HotPixel(cam.h, VY_HOTPIXEL_SAVE_SOFTWARE_LIST, &empty[0], 0),
                 VY_INVALID_PARAMETER);
        // A size, when given, bounds the name: no terminator within it is refused.
        QCOMPARE(vy_HotPixel(cam.h, VY_HOTPIXEL_SAVE_SOFTWARE_LIST, &name[0], 8),
                 VY_INVALID_PARAMETER);
        wchar_t bad[] = {L'/', 0xD800, L'x', 0};
        QCOMPARE(vy_HotPixel(cam.h, VY_HOTPIXEL_SAVE_SOFTWARE_LIST, bad, 0), VY_INVALID_PARAMETER);
    }

    // A full disk fails the save and leaves the file saved before as it was.
    void saveOnFullDisk()
    {
        if (!m_disk.isReady())
            QSKIP(qPrintable(m_disk.problem()));
        Handle cam(monoDevice);
        QVERIFY(cam.h);
        std::wstring name = wide(m_disk.filePath(QStringLiteral("list.bin")));
        QCOMPARE(setList(cam.h, VY_HOTPIXEL_SET_SOFTWARE_LIST, {{1, 2}}), VY_SUCCESS);
        QCOMPARE(vy_HotPixel(cam.h, VY_HOTPIXEL_SAVE_SOFTWARE_LIST, &name[0], 0), VY_SUCCESS);
        QVERIFY(m_disk.fill());
        List many;
        for (int i = 0; i < 1000; ++i)
            many.emplace_back(i, i);
        QCOMPARE(setList(cam.h, VY_HOTPIXEL_SET_SOFTWARE_LIST, many), VY_SUCCESS);
        QCOMPARE(vy_HotPixel(cam.h, VY_HOTPIXEL_SAVE_SOFTWARE_LIST, &name[0], 0),
                 VY_FILE_OPEN_ERROR);
        m_disk.drain();
        QCOMPARE(vy_HotPixel(cam.h, VY_HOTPIXEL_LOAD_SOFTWARE_LIST, &name[0], 0), VY_SUCCESS);
        QCOMPARE(
            getList(cam.h, VY_HOTPIXEL_GET_SOFTWARE_LIST_NUMBER, VY_HOTPIXEL_GET_SOFTWARE_LIST),
            (List{{1, 2}}));
    }

    void badFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("pipe"); // a named pipe in the file's place, content unused
        // A valid file of two entries, (1, 2) and (3, 4), to damage.
        const QByteArray valid = QByteArray::fromHex("5659485001000000020000000100020003000400") +
                                 QByteArray::fromHex("00a1e28c");
        QTest::newRow("empty") << QByteArray() << VY_FILE_FORMAT_ERROR << false;
        QTest::newRow("garbage") << QByteArray(5000, '\xC3') << VY_FILE_FORMAT_ERROR << false;
        QTest::newRow("text") << QByteArray("12 34 1\n56 78 1\n") << VY_FILE_FORMAT_ERROR << false;
        QTest::newRow("truncated") << valid.left(valid.size() - 3) << VY_FILE_FORMAT_ERROR << false;
        QTest::newRow("header_only") << valid.left(12) << VY_FILE_FORMAT_ERROR << false;
        QTest::newRow("trailing_byte") << valid + '\0' << VY_FILE_FORMAT_ERROR << false;
        QByteArray crc = valid;
        crc[13] = crc[13] ^ 1;
        QTest::newRow("flipped_bit") << crc << VY_FILE_FORMAT_ERROR << false;
        QByteArray version = valid;
        version[4] = 2;
        QTest::newRow("version") << version << VY_FILE_FORMAT_ERROR << false;
        QByteArray count = valid;
        count[8] = '\xFF';
        count[9] = '\xFF';
        count[10] = '\xFF';
        count[11] = '\x7F';
        QTest::newRow("huge_count") << count << VY_FILE_FORMAT_ERROR << false;
        QTest::newRow("large_file")
            << QByteArray(3 * 1024 * 1024, 'V') << VY_FILE_FORMAT_ERROR << false;
        QTest::newRow("valid") << valid << VY_SUCCESS << false;
        // Never waited on for a writer that does not come.
        QTest::newRow("named_pipe") << QByteArray() << VY_FILE_OPEN_ERROR << true;
    }
    void badFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, result);
        QFETCH(bool, pipe);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.bin"));
        if (pipe) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        Handle cam(monoDevice);
        QVERIFY(cam.h);
        const List before{{9, 9}};
        QCOMPARE(setList(cam.h, VY_HOTPIXEL_SET_SOFTWARE_LIST, before), VY_SUCCESS);
        std::wstring name = wide(path);
        QCOMPARE(int(vy_HotPixel(cam.h, VY_HOTPIXEL_LOAD_SOFTWARE_LIST, &name[0], 0)), result);
        const List after =
            getList(cam.h, VY_HOTPIXEL_GET_SOFTWARE_LIST_NUMBER, VY_HOTPIXEL_GET_SOFTWARE_LIST);
        QCOMPARE(after, result == VY_SUCCESS ? (List{{1, 2}, {3, 4}}) : before);
        if (result != VY_SUCCESS) {
            char *text = nullptr;
            int32_t code = 0;
            QCOMPARE(vy_GetError(cam.h, &code, &text), VY_SUCCESS);
            QCOMPARE(code, result);
            QVERIFY(text && *text);
        }
    }

    void missingFileAndOffSensor()
    {
        QTemporaryDir dir;
        Handle cam(monoDevice);
        std::wstring missing = wide(dir.filePath(QStringLiteral("none.bin")));
        QCOMPARE(vy_HotPixel(cam.h, VY_HOTPIXEL_LOAD_SOFTWARE_LIST, &missing[0], 0),
                 VY_FILE_OPEN_ERROR);
        // A list saved from the larger Bayer sensor does not fit the mono one.
        Handle big(bayerDevice);
        QCOMPARE(setList(big.h, VY_HOTPIXEL_SET_SOFTWARE_LIST, {{2000, 1500}}), VY_SUCCESS);
        std::wstring name = wide(dir.filePath(QStringLiteral("big.bin")));
        QCOMPARE(vy_HotPixel(big.h, VY_HOTPIXEL_SAVE_SOFTWARE_LIST, &name[0], 0), VY_SUCCESS);
        QCOMPARE(vy_HotPixel(cam.h, VY_HOTPIXEL_LOAD_SOFTWARE_LIST, &name[0], 0),
                 VY_FILE_FORMAT_ERROR);
    }

    // With camera correction on, the factory and user entries no longer show in frames; the
    // other hot pixels still do. Software correction fixes the software list.
    void correctionInFrames_data()
    {
        QTest::addColumn<uint32_t>("device");
        QTest::addColumn<uint32_t>("mode");
        QTest::newRow("mono_camera")
            << monoDevice << uint32_t(VY_HOTPIXEL_ENABLE_CAMERA_CORRECTION);
        QTest::newRow("bayer_camera")
            << bayerDevice << uint32_t(VY_HOTPIXEL_ENABLE_CAMERA_CORRECTION);
        QTest::newRow("mono_software")
            << monoDevice << uint32_t(VY_HOTPIXEL_ENABLE_SOFTWARE_CORRECTION);
        QTest::newRow("mono_off") << monoDevice << uint32_t(VY_HOTPIXEL_DISABLE_CORRECTION);
    }
    void correctionInFrames()
    {
        QFETCH(uint32_t, device);
        QFETCH(uint32_t, mode);
        const auto hot = truth(device);
        Handle cam(device);
        QVERIFY(cam.h);
        // The first non-factory hot pixel goes to the user list and the software list.
        const auto user = std::find_if(hot.begin(), hot.end(), [](auto &p) { return !p.factory; });
        QVERIFY(user != hot.end());
        QCOMPARE(setList(cam.h, VY_HOTPIXEL_SET_USER_LIST, {{user->x, user->y}}), VY_SUCCESS);
        QCOMPARE(setList(cam.h, VY_HOTPIXEL_SET_SOFTWARE_LIST, {{user->x, user->y}}), VY_SUCCESS);
        QCOMPARE(vy_HotPixel(cam.h, mode, nullptr, 0), VY_SUCCESS);

        int32_t size[2] = {};
        QCOMPARE(vy_AOI(cam.h, VY_AOI_IMAGE_GET_SIZE_MAX, size, sizeof size), VY_SUCCESS);
        char *memory = nullptr;
        int32_t id = 0;
        QCOMPARE(vy_AllocImageMem(cam.h, size[0], size[1], 8, &memory, &id), VY_SUCCESS);
        QCOMPARE(vy_AddToSequence(cam.h, memory, id), VY_SUCCESS);
        QCOMPARE(vy_FreezeVideo(cam.h, VY_WAIT), VY_SUCCESS);
        const auto *frame = reinterpret_cast<const uint8_t *>(memory);
        for (const auto &p : hot) {
            const bool listed =
                (mode == VY_HOTPIXEL_ENABLE_CAMERA_CORRECTION && p.factory) ||
                (mode != VY_HOTPIXEL_DISABLE_CORRECTION && p.x == user->x && p.y == user->y);
            const int value = frame[size_t(p.y) * size_t(size[0]) + p.x];
            if (listed)
                QVERIFY2(value <= 15,
                         qPrintable(QStringLiteral("%1,%2: %3").arg(p.x).arg(p.y).arg(value)));
            else
                QCOMPARE(value, int(p.level));
        }
        QCOMPARE(vy_ClearSequence(cam.h), VY_SUCCESS);
        QCOMPARE(vy_FreeImageMem(cam.h, memory, id), VY_SUCCESS);
    }

private:
    // Made with the test object, before the simulator starts its thread (see SmallDisk).
    SmallDisk m_disk;
};

VYRO_TEST_GUILESS_MAIN(tst_SimHotPixel)
#include "tst_sim_hotpixel.moc"

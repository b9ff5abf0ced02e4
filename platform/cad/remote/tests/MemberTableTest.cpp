// The member table against the interfaces it serves: every member declared
// in the object model's headers has its line, and every proxy forwards every
// member of its table under that member's own name.
#include "platform/cad/remote/Channel.h"
#include "platform/cad/remote/InterfaceInfo.h"
#include "platform/cad/remote/ProxyBase.h"
#include "platform/cad/remote/Schema.h"
#include "platform/runtime/Error.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

constexpr int32_t Recorded = 12345;

// Records each call a proxy sends and fails it; objects never cross.
class RecordingChannel : public remote::Channel {
public:
    struct Call {
        quint64 handle;
        QString interface;
        QString member;
    };

    QByteArray invoke(quint64 handle, const remote::MemberInfo& member, const QByteArray&) override
    {
        calls.push_back({handle, member.owner().wireName(), member.name()});
        runtime::raise(Recorded);
    }
    void proxyGone(quint64, const remote::ProxyBase*, quint64) noexcept override { ++gone; }
    void writeObject(remote::WireWriter&, const std::shared_ptr<void>&, const remote::InterfaceInfo&) override {}
    std::shared_ptr<void> readObject(remote::WireReader&, const remote::InterfaceInfo&) override { return nullptr; }
    void writeCallback(remote::WireWriter&, remote::CallbackInvoker) override {}
    std::shared_ptr<remote::RemoteCallback> readCallback(remote::WireReader&) override { return nullptr; }

    std::vector<Call> calls;
    int gone = 0;
};

// Every member of an interface, its own and those of what it extends.
std::vector<const remote::MemberInfo*> allMembers(const remote::InterfaceInfo& info)
{
    std::vector<const remote::MemberInfo*> members;
    for (const auto& member : info.members())
        members.push_back(member.get());
    for (const remote::InterfaceInfo* base : info.bases()) {
        for (const remote::MemberInfo* member : allMembers(*base))
            members.push_back(member);
    }
    return members;
}

// The virtual members each class of the object model's headers declares,
// by class name.
QHash<QString, QStringList> declaredMembers()
{
    QHash<QString, QStringList> declared;
    const QDir folder(QStringLiteral(SUITE_SOURCE_DIR "/platform/cad"));
    const QRegularExpression classStart(QStringLiteral("\\nclass\\s+(\\w+)[^;{]*\\{"));
    const QRegularExpression member(QStringLiteral("virtual\\s+[^;{}()]*?\\b(\\w+)\\s*\\([^;{}]*\\)[^;{}]*;"));
    for (const QString& name : folder.entryList({QStringLiteral("*.h")}, QDir::Files)) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QString text = QString::fromUtf8(file.readAll());
        text.remove(QRegularExpression(QStringLiteral("//[^\\n]*")));
        auto classes = classStart.globalMatch(text);
        std::vector<std::pair<qsizetype, QString>> starts;
        while (classes.hasNext()) {
            const auto match = classes.next();
            starts.emplace_back(match.capturedEnd(), match.captured(1));
        }
        for (size_t i = 0; i < starts.size(); ++i) {
            const qsizetype end = i + 1 < starts.size() ? starts[i + 1].first : text.size();
            const QString body = text.mid(starts[i].first, end - starts[i].first);
            auto members = member.globalMatch(body);
            while (members.hasNext()) {
                // The destructor is no member that travels.
                const QString memberName = members.next().captured(1);
                if (memberName != starts[i].second)
                    declared[starts[i].second].append(memberName);
            }
        }
    }
    return declared;
}

TEST(MemberTable, EveryDeclaredMemberHasItsLine)
{
    const QHash<QString, QStringList> declared = declaredMembers();
    ASSERT_TRUE(declared.contains(QStringLiteral("Entity")));
    ASSERT_TRUE(declared.contains(QStringLiteral("Collection")));
    const remote::Schema& schema = remote::Schema::instance();
    const QStringList collections{QStringLiteral("Documents"), QStringLiteral("Blocks"), QStringLiteral("Layers"),
                                  QStringLiteral("Linetypes"), QStringLiteral("DimStyles"),
                                  QStringLiteral("TextStyles"), QStringLiteral("SelectionSets")};
    const QStringList tables{QStringLiteral("Layers"), QStringLiteral("Linetypes"), QStringLiteral("DimStyles"),
                             QStringLiteral("TextStyles")};
    int checked = 0;
    for (auto it = declared.cbegin(); it != declared.cend(); ++it) {
        QStringList interfaces{it.key()};
        if (it.key() == QStringLiteral("Collection"))
            interfaces = collections;
        else if (it.key() == QStringLiteral("Table"))
            interfaces = tables;
        for (const QString& name : interfaces) {
            const remote::InterfaceInfo* info = schema.byName(name);
            ASSERT_TRUE(info) << "no table for " << name.toStdString();
            QStringList lines;
            for (const remote::MemberInfo* member : allMembers(*info))
                lines.append(member->name());
            for (const QString& member : it.value()) {
                // Overloads travel under the name and the name with a suffix
                // ("item", "itemNamed").
                const qsizetype wanted = it.value().count(member);
                const qsizetype present = std::count_if(lines.cbegin(), lines.cend(), [&](const QString& line) {
                    return line == member || (line.startsWith(member) && line.at(member.size()).isUpper());
                });
                EXPECT_GE(present, wanted) << name.toStdString() << "." << member.toStdString();
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 150);
}

TEST(MemberTable, NamesAreUniqueWithinAnInterface)
{
    for (const auto& info : remote::Schema::instance().interfaces()) {
        QSet<QString> seen;
        for (const remote::MemberInfo* member : allMembers(*info)) {
            EXPECT_FALSE(seen.contains(member->name())) << info->name().toStdString() << "." << member->name().toStdString();
            seen.insert(member->name());
        }
    }
}

TEST(MemberTable, EveryProxyForwardsEveryMemberUnderItsOwnName)
{
    auto channel = std::make_shared<RecordingChannel>();
    int proxies = 0;
    int members = 0;
    for (const auto& info : remote::Schema::instance().interfaces()) {
        ASSERT_TRUE(info->hasProxy()) << info->name().toStdString();
        const auto made = info->makeProxy(channel, 7);
        ++proxies;
        EXPECT_EQ(info->proxyOf(made.first), made.second);
        for (const remote::MemberInfo* member : allMembers(*info)) {
            const size_t before = channel->calls.size();
            try {
                member->callWithDefaults(info->upcast(made.first, member->owner()));
                ADD_FAILURE() << "no call for " << member->name().toStdString();
            } catch (const runtime::Error& error) {
                EXPECT_EQ(error.number(), Recorded) << info->name().toStdString() << "." << member->name().toStdString();
            }
            ASSERT_EQ(channel->calls.size(), before + 1) << info->name().toStdString() << "." << member->name().toStdString();
            const RecordingChannel::Call& call = channel->calls.back();
            EXPECT_EQ(call.handle, 7u);
            EXPECT_EQ(call.interface, member->owner().wireName());
            EXPECT_EQ(call.member, member->name()) << "the proxy of " << info->name().toStdString()
                                                   << " forwards another member";
            ++members;
        }
    }
    EXPECT_EQ(channel->gone, proxies);
    EXPECT_GT(members, 180);
}

}  // namespace

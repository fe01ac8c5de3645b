#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "parameters/aax_packet_dispatcher.h"
#include "tests/parameters/parameter_factory.h"
#include "tests/parameters/parameter_lookup_fake.h"
#include "tests/support/recording_controller.h"

namespace {

// A handler that logs which registration it serves and answers a fixed result.
class LoggingHandler : public AAX_IPacketHandler {
  public:
    LoggingHandler(std::vector<std::string>* log, std::string tag, Result result = AAX_SUCCESS)
        : mLog(log), mTag(std::move(tag)), mResult(result) {}
    LoggingHandler* Clone() const override { return new LoggingHandler(*this); }
    Result Call(ParameterId identifier, AAX_CPacket& packet) const override {
        mLog->push_back(mTag + ":" + identifier);
        packet.SetValue<int32_t>(static_cast<int32_t>(mLog->size()));
        return mResult;
    }

  private:
    std::vector<std::string>* mLog;
    std::string mTag;
    Result mResult;
};

class PacketDispatch : public ::testing::Test {
  protected:
    void SetUp() override { dispatcher.Initialize(&controller, &lookup); }

    AAX_CPacketHandler<AAX_CPacketDispatcher> SingleValue() {
        return {&dispatcher, &AAX_CPacketDispatcher::GenerateSingleValuePacket};
    }

    AAX_CParameterManager manager;
    ManagerLookup lookup{manager};
    RecordingController controller;
    AAX_CPacketDispatcher dispatcher;
    std::vector<std::string> log;
};

// A float parameter that answers through another typed accessor, as other value types would.
class RetypedParameter : public AAX_CParameter<float> {
  public:
    enum class Answer { kInt32, kDouble, kNone };
    RetypedParameter(const char* id, Answer answer)
        : AAX_CParameter<float>(id, AAX_CString(id), 0.0f, AAX_CLinearTaperDelegate<float, 0>(0, 1),
                                AAX_CNumberDisplayDelegate<float, 2, 0>(), true),
          mAnswer(answer) {}
    bool GetValueAsFloat(float*) const override { return false; }
    bool GetValueAsInt32(int32_t* value) const override {
        *value = -2;
        return mAnswer == Answer::kInt32;
    }
    bool GetValueAsDouble(double* value) const override {
        *value = 0.25;
        return mAnswer == Answer::kDouble;
    }

  private:
    Answer mAnswer;
};

}  // namespace

TEST_F(PacketDispatch, NewRegistrationPostsOnceWithoutSetDirtyAndAgainOnlyWhenDirty) {
    manager.AddParameter(MakeSwitchParameter("MasterBypassID").release());
    EXPECT_EQ(dispatcher.RegisterPacket("MasterBypassID", 6, SingleValue()), AAX_SUCCESS);
    EXPECT_EQ(dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_EQ(controller.posts, (std::vector<PostedPacket>{{6, {0, 0, 0, 0}}}));
    EXPECT_EQ(dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_EQ(controller.posts.size(), 1u);

    manager.GetParameterByID("MasterBypassID")->SetValueWithBool(true);
    EXPECT_EQ(dispatcher.SetDirty("Other", true), AAX_SUCCESS);
    dispatcher.Dispatch();
    EXPECT_EQ(controller.posts.size(), 1u);
    EXPECT_EQ(dispatcher.SetDirty("MasterBypassID", true), AAX_SUCCESS);
    dispatcher.Dispatch();
    EXPECT_EQ(controller.posts.back(), (PostedPacket{6, {1, 0, 0, 0}}));
}

TEST_F(PacketDispatch, SingleValuePacketHoldsTheValueInProcessorOrder) {
    struct Case {
        AAX_IParameter* parameter;
        Result result;
        std::vector<uint8_t> payload;
    };
    auto gain = MakeFloatParameter("Gain", 0.0f, 1.0f);
    gain->SetNormalizedValue(0.5);
    const std::vector<Case> cases = {
        {gain.release(), AAX_SUCCESS, {0x00, 0x00, 0x00, 0x3F}},
        {new RetypedParameter("Int", RetypedParameter::Answer::kInt32),
         AAX_SUCCESS,
         {0xFE, 0xFF, 0xFF, 0xFF}},
        {new RetypedParameter("Double", RetypedParameter::Answer::kDouble),
         AAX_SUCCESS,
         {0, 0, 0, 0, 0, 0, 0xD0, 0x3F}},
        {new RetypedParameter("None", RetypedParameter::Answer::kNone), AAX_ERROR_NULL_OBJECT, {}},
    };
    for (const Case& c : cases) {
        manager.AddParameter(c.parameter);
        AAX_CPacket packet(0);
        EXPECT_EQ(dispatcher.GenerateSingleValuePacket(c.parameter->Identifier(), packet),
                  c.result);
        if (c.result != AAX_SUCCESS) continue;
        EXPECT_EQ(std::vector<uint8_t>(packet.GetData(), packet.GetData() + packet.GetDataSize()),
                  c.payload)
            << c.parameter->Identifier();
    }
    AAX_CPacket packet(0);
    EXPECT_EQ(dispatcher.GenerateSingleValuePacket("Missing", packet), AAX_ERROR_NULL_OBJECT);
}

TEST_F(PacketDispatch, RegistrationsSharingAPacketPostItOnceThroughTheFirstHandler) {
    dispatcher.RegisterPacket("Gain", 6, LoggingHandler(&log, "first"));
    dispatcher.RegisterPacket("Gain", 6, LoggingHandler(&log, "second"));
    dispatcher.Dispatch();
    dispatcher.SetDirty("Gain", true);
    dispatcher.Dispatch();
    EXPECT_EQ(log, (std::vector<std::string>{"first:Gain", "first:Gain"}));

    // A registration on an existing packet does not mark it; once marked, the packet goes out
    // through the registration that comes first in identifier order, whichever marked it.
    log.clear();
    dispatcher.RegisterPacket("Bypass", 6, LoggingHandler(&log, "third"));
    dispatcher.Dispatch();
    dispatcher.SetDirty("Gain", true);
    dispatcher.Dispatch();
    EXPECT_EQ(log, (std::vector<std::string>{"third:Bypass"}));
    EXPECT_EQ(controller.posts.size(), 3u);
}

TEST_F(PacketDispatch, RemovedRegistrationsAreNotServedAndTheNextOneStartsDirty) {
    dispatcher.RegisterPacket("Gain", 6, LoggingHandler(&log, "first"));
    dispatcher.Dispatch();
    dispatcher.RemoveAllRegistrations();
    dispatcher.SetDirty("Gain", true);
    EXPECT_EQ(dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_EQ(log, (std::vector<std::string>{"first:Gain"}));

    dispatcher.RegisterPacket("Gain", 6, LoggingHandler(&log, "second"));
    dispatcher.Dispatch();
    EXPECT_EQ(log, (std::vector<std::string>{"first:Gain", "second:Gain"}));
    EXPECT_EQ(controller.posts.size(), 2u);
}

TEST_F(PacketDispatch, VisitsIdentifiersInByteOrderAndReportsTheLastPost) {
    dispatcher.RegisterPacket("b", 2, LoggingHandler(&log, "h"));
    dispatcher.RegisterPacket("B", 1, LoggingHandler(&log, "h"));
    dispatcher.RegisterPacket("a", 3, LoggingHandler(&log, "h"));
    controller.postResult = -5;
    EXPECT_EQ(dispatcher.Dispatch(), -5);
    EXPECT_EQ(log, (std::vector<std::string>{"h:B", "h:a", "h:b"}));
    controller.posts.clear();
    log.clear();
    EXPECT_EQ(dispatcher.Dispatch(), AAX_SUCCESS);
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(controller.posts.empty());
}

TEST_F(PacketDispatch, FailedHandlerSkipsThePostAndStillClearsTheDirtyFlag) {
    dispatcher.RegisterPacket("Gain", 6, LoggingHandler(&log, "h", AAX_ERROR_NULL_OBJECT));
    EXPECT_EQ(dispatcher.Dispatch(), AAX_SUCCESS);
    dispatcher.Dispatch();
    EXPECT_EQ(log.size(), 1u);
    EXPECT_TRUE(controller.posts.empty());
}

TEST_F(PacketDispatch, WithoutControllerPacketsWaitForOne) {
    AAX_CPacketDispatcher early;
    early.RegisterPacket("Gain", 6, LoggingHandler(&log, "h"));
    EXPECT_EQ(early.Dispatch(), AAX_ERROR_NULL_OBJECT);
    EXPECT_TRUE(log.empty());
    early.Initialize(&controller, &lookup);
    early.Dispatch();
    EXPECT_EQ(controller.posts.size(), 1u);
}

TEST(PacketHandler, CallsTheExtendedCallbackElseThePlainOneElseFails) {
    struct Worker {
        Result Plain(AAX_CPacket&) { return 1; }
        Result Extended(ParameterId, AAX_CPacket&) { return 2; }
    } worker;
    AAX_CPacket packet(0);
    const AAX_CPacketHandler<Worker> plain(&worker, &Worker::Plain);
    const AAX_CPacketHandler<Worker> extended(&worker, &Worker::Extended);
    const AAX_CPacketHandler<Worker> none(&worker, AAX_CPacketHandler<Worker>::Callback{});
    EXPECT_EQ(std::unique_ptr<AAX_IPacketHandler>(plain.Clone())->Call("x", packet), 1);
    EXPECT_EQ(std::unique_ptr<AAX_IPacketHandler>(extended.Clone())->Call("x", packet), 2);
    EXPECT_EQ(none.Call("x", packet), AAX_ERROR_NULL_OBJECT);
}

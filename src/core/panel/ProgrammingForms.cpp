#include "panel/ProgrammingForms.h"

#include <algorithm>

namespace qarvo::panel {

namespace {

namespace mc = master_control;
namespace ic = installer_control;

constexpr SharedControl kShared[] = {
    {2230, 2116}, {2232, 2118}, {2233, 2119}, {2234, 2120}, {2235, 2121}, {2236, 2122}, {2237, 2123}, {2238, 2124},
    {mc::kVoiceReportingTime, 2038},
    {mc::kVoiceDialingSequences, 2039},
    {mc::kRoundsStart, 2026},
    {mc::kRoundsFinish, 2027},
    {mc::kRoundPeriod, 2028},
    {mc::kWarningTime, 2029},
    {mc::kPartitionAAutoarm, 2020},
    {mc::kPartitionAAutodisarm, 2021},
    {mc::kPartitionAInactivity, 2023},
    {mc::kPartitionBAutoarm, 2155},
    {mc::kPartitionBAutodisarm, 2156},
    {mc::kPartitionBInactivity, 2158},
    {mc::kPgmGrid, ic::kPgmGrid},    // the activation and deactivation columns
    {mc::kUserGrid, ic::kCodesGrid}, // the master's row
};

} // namespace

PartitionSwitches ProgrammingForms::partitionSwitches() const
{
    const auto on = [this](int control) { return optionValue(installer.options, control) != 0; };
    return {on(ic::kPartitions), on(ic::kATimedAutoarming), on(ic::kATimedAutodisarming),
            on(ic::kBTimedAutoarming), on(ic::kBTimedAutodisarming)};
}

FormContext formContext(const CUploadDoc& doc)
{
    const PanelModel* model = findPanelModel(doc.identity().typeCode);
    return {model ? *model : *findPanelModel(kDefaultTypeCode), doc.identity(), doc.layout()};
}

void imageToForms(const CUploadDoc& doc, ProgrammingForms& forms)
{
    const FormContext context = formContext(doc);
    showMaster(context, doc.image(), doc.userNames(), forms.master);
    showInstaller(context, doc.image(), forms.installer);
    showReport(context, doc.image(), forms.report);
}

std::optional<FormError> formsToImage(const ProgrammingForms& forms, CUploadDoc& doc)
{
    const FormContext context = formContext(doc);
    PanelImage image = doc.image();
    UserNames names = doc.userNames();
    FormWriter writer(doc.layout(), image);
    storeMaster(forms.master, forms.partitionSwitches(), context, writer, names);
    storeInstaller(forms.installer, forms.report, context, writer);
    if (writer.error())
        return writer.error();

    if (image != doc.image()) {
        doc.image() = image;
        doc.markModified();
    }
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] != doc.userNames()[i])
            doc.setUserName(i, names[i]);
    return std::nullopt;
}

std::span<const SharedControl> sharedControls()
{
    return kShared;
}

FormError onInstallerPage(const FormError& error)
{
    const auto shared = std::ranges::find(kShared, error.control, &SharedControl::master);
    if (shared == std::end(kShared))
        return error;
    FormError moved = error;
    moved.control = shared->installer;
    if (error.control == mc::kPgmGrid)
        moved.column = error.column == master_pgm_column::kActivation ? pgm_column::kActivation
                                                                       : pgm_column::kDeactivation;
    if (error.control == mc::kUserGrid) {
        if (error.row != 0)
            return error; // only the master's row is on both pages
        moved.row = codes_row::kMaster;
    }
    return moved;
}

} // namespace qarvo::panel

#pragma once

#include <zkBaseControl.h>
#include <zkControlOptionRecords.h>
#include <QZKCollapsibleFrame.h>
#include <zkGroupControl.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkdObjectManager.h>

#include <QByteArray>
#include <QHBoxLayout>
#include <QList>
#include <QSignalBlocker>

class zkdAreaLightCone;
class zkdBRDFCommon;
class zkdBumpTexture;
class zkdCarbonPattern2D;
class zkdCarbonPattern3D;
class zkdClearcoat;
class zkdDiffuseTexture;
class zkdDisplacementTexture;
class zkdEnvironmentColorCorrection;
class zkdEnvironmentRaytracing;
class zkdEnvironmentShadowsAndIllumination;
class zkdEnvironmentTransformation;
class zkdExteriorTransparencyTexture;
class zkdFlakeLayer;
class zkdFlipflopFlakeLayer;
class zkdGlassTriTexture;
class zkdGlossyTexture;
class zkdHDRLightStudio;
class zkdIncandescence;
class zkdIncandescenceTexture;
class zkdLightTexture;
class zkdMetallicPaintClearcoat;
class zkdOCSClearcoat;
class zkdPaintClearcoat;
class zkdRayFile;
class zkdRaytracing;
class zkdRoughnessTexture;
class zkdRoundedEdges;
class zkdShadowMap;
class zkdSkylightLocation;
class zkdSkylightSkyAndSun;
class zkdStructuredBumpTexture;
class zkdSubsurfaceScattering;
class zkdSubsurfaceScatteringTexture;
class zkdTransparency;
class zkdTransparencyTexture;
class zkdTriTexture;
class zkdUVDiffuseTexture;
class zkdUVIncandescence;
class zkdUVSubsurfaceScattering;
class zkdUVTransparency;
class zkdUnicolorPaintClearcoat;
class zkdYarnTexture;

// The row of a property whose value is a kernel sub-object of type T (a material's clearcoat, a
// light's shadow map): a whole editor for the sub-object, nested in the row, with the
// registrations of T's descriptions. With several objects selected, the nested editor shows the
// sub-object of each of them, in their order, so an edit reaches all of them in one step.
template <typename T>
class zkZkdObjectControl : public zkBaseControl
{
public:
    using Options = zkZkdZkdObjectControlOptions;

    zkZkdObjectControl(zkPropertyEditorWidget *editor, const QByteArray &propertyName, Options *options)
        : zkBaseControl(editor, propertyName, options)
    {
        if (QWidget *previous = getEditor())
            previous->deleteLater();
        // A cached parent gets cached children, so that switching objects of one type refreshes
        // the nested rows instead of rebuilding them.
        m_nested = new zkPropertyEditorWidget(this, {}, false, editor && editor->hasCache());
        zkzkCategoryOptionsControlOptions &category = m_nested->getDefaultCategoryOptions();
        category.contentsMargins = QMargins();
        category.addStretch = false;
        m_nested->reditectToParent(editor);
        m_nested->setSkipProperties(options->skipProperties);
        m_nested->setKeepProperties(options->keepProperties);
        m_nested->setParentPropertyName(propertyName);
        m_nested->setDocumentMode(true);
        setEditor(m_nested);
        auto *layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_nested);
    }

    ~zkZkdObjectControl() override = default;

    static QByteArray controlClassName()
    {
        return QByteArrayLiteral("zkZkdObjectControl<") + T::staticMetaObject.className() + '>';
    }

    zkPropertyEditorWidget *getNestedEditor() const override
    {
        showCurrentObjects();
        return m_nested;
    }

    // The rows of a sub-object in a collapsed group are built when the group opens, or when
    // asked for, so that an editor with many embedded objects opens at the cost of what it shows.
    void updateControl() override
    {
        zkBaseControl::updateControl();
        m_stale = true;
        QObject::disconnect(m_expanded);
        if (QZKCollapsibleFrame *frame = collapsedAncestor()) {
            m_expanded = QObject::connect(frame, &QZKCollapsibleFrame::collapsedChanged, this, [this](bool collapsed) {
                if (!collapsed)
                    updateControl();
            });
            return;
        }
        showCurrentObjects();
    }

protected:
    // Tab enters the nested rows at the first, Shift+Tab at the last; moving on inside them is
    // the nested rows' own work.
    QList<QWidget *> getFocusWidgets() const override
    {
        showCurrentObjects();
        // The ends of the nested focus chain, which follows the display rather than sort order.
        zkBaseControl *first = m_nested->getFirstControl();
        while (first && first->getPrevious())
            first = first->getPrevious();
        zkBaseControl *last = m_nested->getLastControl();
        while (last && last->getNext())
            last = last->getNext();
        if (first && !isFocusable(first))
            first = first->getNextFocus();
        if (last && !isFocusable(last))
            last = last->getPreviousFocus();
        QList<QWidget *> widgets;
        if (first)
            widgets.append(first);
        if (last && last != first)
            widgets.append(last);
        return widgets;
    }

private:
    QZKCollapsibleFrame *collapsedAncestor() const
    {
        for (QWidget *widget = parentWidget(); widget; widget = widget->parentWidget()) {
            auto *frame = qobject_cast<QZKCollapsibleFrame *>(widget);
            if (frame && frame->isCollapsed())
                return frame;
        }
        return nullptr;
    }

    void showCurrentObjects() const
    {
        if (!m_stale)
            return;
        m_stale = false;
        QObject::disconnect(m_expanded);
        const zkPropertyEditorWidget *parentEditor = getEditorWidget();
        if (!parentEditor)
            return;
        // A parent without a live sub-object of type T (a null, destroyed, foreign or missing
        // value) adds nothing, so that an edit still reaches the sub-objects the others have.
        // The value holds the handle class of the object's own type, which may derive from T.
        QList<zkdObject> objects;
        for (const zkPropertyEditorObjectWrapper *parent : parentEditor->getCurrentObjects()) {
            const T object = zkd_cast<T>(zkdObjectManager::fromVariant(parent->getProperty(getPropertyName())));
            if (object.ptr())
                objects.append(object);
        }
        // The same sub-objects keep their rows, and whatever change rules did to them.
        if (objects == m_shown && !m_nested->getCurrentObjects().isEmpty())
            return;
        m_shown = objects;
        QList<zkPropertyEditorObjectWrapper *> wrappers;
        for (const zkdObject &object : qAsConst(objects))
            wrappers.append(new zkPropertyEditorZkdObjectWrapper(object));
        const QSignalBlocker blocker(m_nested);
        m_nested->setCurrentObjects(wrappers);
    }

    zkPropertyEditorWidget *m_nested = nullptr;
    // The sub-objects the nested editor was given last, and whether they may be out of date.
    mutable QList<zkdObject> m_shown;
    mutable bool m_stale = true;
    mutable QMetaObject::Connection m_expanded;
};

// Built once, in the library, for the sub-object types of the kernel.
extern template class zkZkdObjectControl<zkdAreaLightCone>;
extern template class zkZkdObjectControl<zkdBRDFCommon>;
extern template class zkZkdObjectControl<zkdBumpTexture>;
extern template class zkZkdObjectControl<zkdCarbonPattern2D>;
extern template class zkZkdObjectControl<zkdCarbonPattern3D>;
extern template class zkZkdObjectControl<zkdClearcoat>;
extern template class zkZkdObjectControl<zkdDiffuseTexture>;
extern template class zkZkdObjectControl<zkdDisplacementTexture>;
extern template class zkZkdObjectControl<zkdEnvironmentColorCorrection>;
extern template class zkZkdObjectControl<zkdEnvironmentRaytracing>;
extern template class zkZkdObjectControl<zkdEnvironmentShadowsAndIllumination>;
extern template class zkZkdObjectControl<zkdEnvironmentTransformation>;
extern template class zkZkdObjectControl<zkdExteriorTransparencyTexture>;
extern template class zkZkdObjectControl<zkdFlakeLayer>;
extern template class zkZkdObjectControl<zkdFlipflopFlakeLayer>;
extern template class zkZkdObjectControl<zkdGlassTriTexture>;
extern template class zkZkdObjectControl<zkdGlossyTexture>;
extern template class zkZkdObjectControl<zkdHDRLightStudio>;
extern template class zkZkdObjectControl<zkdIncandescence>;
extern template class zkZkdObjectControl<zkdIncandescenceTexture>;
extern template class zkZkdObjectControl<zkdLightTexture>;
extern template class zkZkdObjectControl<zkdMetallicPaintClearcoat>;
extern template class zkZkdObjectControl<zkdOCSClearcoat>;
extern template class zkZkdObjectControl<zkdPaintClearcoat>;
extern template class zkZkdObjectControl<zkdRayFile>;
extern template class zkZkdObjectControl<zkdRaytracing>;
extern template class zkZkdObjectControl<zkdRoughnessTexture>;
extern template class zkZkdObjectControl<zkdRoundedEdges>;
extern template class zkZkdObjectControl<zkdShadowMap>;
extern template class zkZkdObjectControl<zkdSkylightLocation>;
extern template class zkZkdObjectControl<zkdSkylightSkyAndSun>;
extern template class zkZkdObjectControl<zkdStructuredBumpTexture>;
extern template class zkZkdObjectControl<zkdSubsurfaceScattering>;
extern template class zkZkdObjectControl<zkdSubsurfaceScatteringTexture>;
extern template class zkZkdObjectControl<zkdTransparency>;
extern template class zkZkdObjectControl<zkdTransparencyTexture>;
extern template class zkZkdObjectControl<zkdTriTexture>;
extern template class zkZkdObjectControl<zkdUVDiffuseTexture>;
extern template class zkZkdObjectControl<zkdUVIncandescence>;
extern template class zkZkdObjectControl<zkdUVSubsurfaceScattering>;
extern template class zkZkdObjectControl<zkdUVTransparency>;
extern template class zkZkdObjectControl<zkdUnicolorPaintClearcoat>;
extern template class zkZkdObjectControl<zkdYarnTexture>;

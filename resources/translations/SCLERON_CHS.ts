<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name></name>
    <message id="ids.128">
        <source>Scleron</source>
        <translation>Scleron</translation>
    </message>
    <message id="ids.2100">
        <source>Product Registration
Product Registration</source>
        <translation>产品注册
产品注册</translation>
    </message>
    <message id="ids.2101">
        <source>Customer Feedback
Customer Feedback</source>
        <translation>客户反馈
客户反馈</translation>
    </message>
    <message id="ids.2102">
        <source>Update Scleron to version %s</source>
        <translation>将 Scleron 更新到版本 %s</translation>
    </message>
    <message id="ids.2103">
        <source>Update Kestrel to version %s</source>
        <translation>将 Kestrel 更新到版本 %s</translation>
    </message>
    <message id="ids.2104">
        <source>New version available!</source>
        <translation>有新版本可用！</translation>
    </message>
    <message id="ids.2106">
        <source>https://www.scleron.org/registration</source>
        <translation>https://www.scleron.org/registration</translation>
    </message>
    <message id="ids.2107">
        <source>https://www.scleron.org/feedback</source>
        <translation>https://www.scleron.org/feedback</translation>
    </message>
    <message id="ids.32701">
        <source>Export measurements
Export</source>
        <translation>导出测量值
导出</translation>
    </message>
    <message id="ids.32702">
        <source>Print measurements
Print</source>
        <translation>打印测量值
打印</translation>
    </message>
    <message id="ids.32741">
        <source>Export the measurements for a spreadsheet
Export as CSV</source>
        <translation>将测量值导出为电子表格文件
导出为 CSV</translation>
    </message>
    <message id="ids.32742">
        <source>Export the statistics of every series for a spreadsheet
Export statistics as CSV</source>
        <translation>将每组的统计值导出为电子表格文件
将统计导出为 CSV</translation>
    </message>
    <message id="ids.32703">
        <source>Connect device
Connect device</source>
        <translation>连接仪器
连接仪器</translation>
    </message>
    <message id="ids.32704">
        <source>Device settings
Device settings</source>
        <translation>仪器设置
仪器设置</translation>
    </message>
    <message id="ids.32730">
        <source>Upgrade Firmware
DoDovavez</source>
        <translation>升级固件
DoDovavez</translation>
    </message>
    <message id="ids.32733">
        <source>Save measurements
Save</source>
        <translation>保存测量值
保存</translation>
    </message>
    <message id="ids.32734">
        <source>Open measurements
Open</source>
        <translation>打开测量值
打开</translation>
    </message>
    <message id="ids.57664">
        <source>Display program information, version number and copyright
About</source>
        <translation>显示程序信息、版本号和版权
关于</translation>
    </message>
    <message id="ids.57665">
        <source>Quit the application; prompts to save measurements
Exit</source>
        <translation>退出程序；提示保存测量值
退出</translation>
    </message>
    <message id="ids.57670">
        <source>Open the operating instructions
Help</source>
        <translation>打开使用说明书
帮助</translation>
    </message>
    <message id="ids.58179">
        <source>Your measurements are not yet saved!
Save measurements?</source>
        <translation>您的测量值尚未保存！
保存测量值？</translation>
    </message>
    <message id="ids.58153">
        <source>Offline</source>
        <translation>离线</translation>
    </message>
    <message id="ids.58154">
        <source>Online</source>
        <translation>在线</translation>
    </message>
    <message id="ids.58155">
        <source>Connect...</source>
        <translation>正在连接...</translation>
    </message>
    <message id="ids.58156">
        <source>Settings...</source>
        <translation>设置...</translation>
    </message>
    <message id="ids.58157">
        <source>Save...</source>
        <translation>正在保存...</translation>
    </message>
    <message id="ids.58158">
        <source>Open...</source>
        <translation>正在打开...</translation>
    </message>
    <message id="ids.58162">
        <source>No connection!</source>
        <translation>无连接！</translation>
    </message>
    <message id="ids.58163">
        <source>Kestrel button left</source>
        <translation>Kestrel 左键</translation>
    </message>
    <message id="ids.58164">
        <source>Kestrel button right</source>
        <translation>Kestrel 右键</translation>
    </message>
    <message id="ids.58165">
        <source>Kestrel button down</source>
        <translation>Kestrel 下键</translation>
    </message>
    <message id="ids.58166">
        <source>Search device...</source>
        <translation>正在搜索仪器...</translation>
    </message>
    <message id="ids.58173">
        <source>Keys locked</source>
        <translation>按键已锁定</translation>
    </message>
    <message id="ids.58174">
        <source>Keys unlocked</source>
        <translation>按键已解锁</translation>
    </message>
    <message id="ids.58452">
        <source>Copy the selected rows to the clipboard
Copy</source>
        <translation>将所选行复制到剪贴板
复制</translation>
    </message>
    <message id="ids.58456">
        <source>Clear the device memory
Clear device memory</source>
        <translation>清除仪器存储器
清除仪器存储器</translation>
    </message>
    <message id="ids.58466">
        <source>Check for a newer program version
Check for updates</source>
        <translation>检查是否有更新的程序版本
检查更新</translation>
    </message>
    <message id="ids.61002">
        <source>Scleron needs a graphical display. Set DISPLAY (or WAYLAND_DISPLAY), or run it under xvfb-run.</source>
        <translation>Scleron 需要图形显示。请设置 DISPLAY（或 WAYLAND_DISPLAY），或通过 xvfb-run 运行。</translation>
    </message>
    <message id="ids.61003">
        <source>Scleron Version %1</source>
        <translation>Scleron 版本 %1</translation>
    </message>
    <message id="ids.61004">
        <source>Copyright (C) the Scleron developers</source>
        <translation>版权所有 (C) Scleron 开发者</translation>
    </message>
    <message id="ids.61005">
        <source>CAP</source>
        <translation>大写</translation>
    </message>
    <message id="ids.61006">
        <source>NUM</source>
        <translation>数字</translation>
    </message>
    <message id="ids.61007">
        <source>About Scleron</source>
        <translation>关于 Scleron</translation>
    </message>
    <message id="ids.61020">
        <source> BOOTLOADER!</source>
        <translation> 引导程序！</translation>
    </message>
    <message id="ids.61021">
        <source> BOOTLOADER! Reset or Upgrade Device</source>
        <translation> 引导程序！请复位仪器或升级固件</translation>
    </message>
    <message id="ids.61022">
        <source>Downloading measurements: %1 of %2</source>
        <translation>正在下载测量值：%1 / %2</translation>
    </message>
    <message id="ids.61023">
        <source>No tester found. These serial ports could not be opened:

%1</source>
        <translation>未找到硬度计。无法打开以下串口：

%1</translation>
    </message>
    <message id="ids.61030">
        <source>Waiting for the tester...</source>
        <translation>正在等待硬度计...</translation>
    </message>
    <message id="ids.61031">
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message id="ids.61032">
        <source>The connection to %1 %2 on COM%3 was lost. The tester is attached again as soon as it answers on its port.</source>
        <translation>与 COM%3 上的 %1 %2 的连接已中断。硬度计在其端口上重新应答后将自动重新连接。</translation>
    </message>
    <message id="ids.61033">
        <source>The measurements of the unfinished download were not kept.</source>
        <translation>未完成传输的测量值未保留。</translation>
    </message>
    <message id="ids.62800">
        <source>This user may not open the serial ports: join the group &quot;%1&quot; (sudo usermod -aG %1 $USER), then log in again.</source>
        <translation>当前用户无权打开串口：请加入用户组“%1”（sudo usermod -aG %1 $USER），然后重新登录。</translation>
    </message>
    <message id="ids.61060">
        <source>Product name:</source>
        <translation>产品名称：</translation>
    </message>
    <message id="ids.61061">
        <source>Serial number:</source>
        <translation>序列号：</translation>
    </message>
    <message id="ids.61062">
        <source>Firmware:</source>
        <translation>固件：</translation>
    </message>
    <message id="ids.61063">
        <source>Bootloader:</source>
        <translation>引导程序：</translation>
    </message>
    <message id="ids.61064">
        <source>Hardware Revision:</source>
        <translation>硬件版本：</translation>
    </message>
    <message id="ids.61065">
        <source>Measurements:</source>
        <translation>测量值：</translation>
    </message>
    <message id="ids.61066">
        <source>%1 (memory: %2% used)</source>
        <translation>%1（存储器已用 %2%）</translation>
    </message>
    <message id="ids.61067">
        <source>Clear device memory?
This deletes all measurements on your Device!</source>
        <translation>清除仪器存储器？
这将删除仪器中的所有测量值！</translation>
    </message>
    <message id="ids.61068">
        <source>The file &quot;%1&quot; no longer exists.
It has been removed from the list of recent files.</source>
        <translation>文件“%1”已不存在。
已将其从最近使用的文件列表中删除。</translation>
    </message>
    <message id="ids.61069">
        <source>The operating instructions &quot;%1&quot; are not installed.</source>
        <translation>未安装操作说明“%1”。</translation>
    </message>
    <message id="ids.61070">
        <source>No program on this computer could open &quot;%1&quot;.</source>
        <translation>此计算机上没有程序能打开“%1”。</translation>
    </message>
    <message id="ids.61080">
        <source>Restart application to change language.</source>
        <translation>请重新启动程序以切换语言。</translation>
    </message>
    <message id="ids.62500">
        <source>%1: %2 new series, %3 new measurements.</source>
        <translation>%1：%2 个新系列，%3 个新测量值。</translation>
    </message>
    <message id="ids.62501">
        <source>%1: the file cannot be read; nothing imported.</source>
        <translation>%1：无法读取该文件；未导入任何内容。</translation>
    </message>
    <message id="ids.62502">
        <source>%1: not a measurement file of a known version; nothing imported.</source>
        <translation>%1：不是已知版本的测量文件；未导入任何内容。</translation>
    </message>
    <message id="ids.62503">
        <source>%1: larger than 256 MiB; nothing imported.</source>
        <translation>%1：大于 256 MiB；未导入任何内容。</translation>
    </message>
    <message id="ids.62504">
        <source>%1: the file is damaged (a count or a field does not match the layout); nothing imported.</source>
        <translation>%1：文件已损坏（某个计数或字段与格式不符）；未导入任何内容。</translation>
    </message>
    <message id="ids.62505">
        <source>%1: the archive did not take the file; nothing imported: %2</source>
        <translation>%1：档案库未接受该文件；未导入任何内容：%2</translation>
    </message>
    <message id="ids.62506">
        <source>The archive is switched off.</source>
        <translation>档案库已关闭。</translation>
    </message>
    <message id="ids.62507">
        <source>The archive %1 cannot be opened: %2</source>
        <translation>无法打开档案库 %1：%2</translation>
    </message>
    <message id="ids.62508">
        <source>The archive setting is not valid: %1</source>
        <translation>档案库设置无效：%1</translation>
    </message>
    <message id="ids.62509">
        <source>%1 series written to %2.</source>
        <translation>已将 %1 个系列写入 %2。</translation>
    </message>
    <message id="ids.62510">
        <source>Archive unreachable: new measurements are kept and written when it answers again.</source>
        <translation>无法连接档案库：新的测量值会被保留，待其恢复响应后写入。</translation>
    </message>
    <message id="ids.62511">
        <source>The archive answers again; everything kept was written.</source>
        <translation>档案库已恢复响应；保留的内容已全部写入。</translation>
    </message>
    <message id="ids.62512">
        <source>no file is named after &quot;sqlite:&quot;</source>
        <translation>&quot;sqlite:&quot; 之后未指定文件</translation>
    </message>
    <message id="ids.62513">
        <source>not an archive address: use off, sqlite:FILE or postgresql://user@host:port/database</source>
        <translation>不是档案库地址：请使用 off、sqlite:文件 或 postgresql://用户@主机:端口/数据库</translation>
    </message>
    <message id="ids.62514">
        <source>the address holds a password: keep it in ~/.pgpass or in PGPASSWORD instead</source>
        <translation>地址中含有密码：请将其保存在 ~/.pgpass 或 PGPASSWORD 中</translation>
    </message>
    <message id="ids.62515">
        <source>the address needs a host and a database: postgresql://user@host:port/database</source>
        <translation>地址需要主机和数据库：postgresql://用户@主机:端口/数据库</translation>
    </message>
    <message id="ids.62516">
        <source>%1 series not written to the archive, which did not answer.</source>
        <translation>%1 个系列未写入档案库，因为它没有响应。</translation>
    </message>
    <message id="ids.62520">
        <source>Archive</source>
        <translation>档案库</translation>
    </message>
    <message id="ids.62521">
        <source>&amp;Tester:</source>
        <translation>测试仪(&amp;T)：</translation>
    </message>
    <message id="ids.62522">
        <source>Serial &amp;number:</source>
        <translation>序列号(&amp;N)：</translation>
    </message>
    <message id="ids.62523">
        <source>&amp;From:</source>
        <translation>从(&amp;F)：</translation>
    </message>
    <message id="ids.62524">
        <source>&amp;Until:</source>
        <translation>至(&amp;U)：</translation>
    </message>
    <message id="ids.62525">
        <source>S&amp;cale:</source>
        <translation>标尺(&amp;C)：</translation>
    </message>
    <message id="ids.62526">
        <source>&amp;Material:</source>
        <translation>材料(&amp;M)：</translation>
    </message>
    <message id="ids.62527">
        <source>&amp;Verdict:</source>
        <translation>判定(&amp;V)：</translation>
    </message>
    <message id="ids.62528">
        <source>Te&amp;xt in origin:</source>
        <translation>来源文本(&amp;X)：</translation>
    </message>
    <message id="ids.62529">
        <source>&amp;Search</source>
        <translation>搜索(&amp;S)</translation>
    </message>
    <message id="ids.62530">
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message id="ids.62531">
        <source>any</source>
        <translation>任意</translation>
    </message>
    <message id="ids.62532">
        <source>Tester</source>
        <translation>测试仪</translation>
    </message>
    <message id="ids.62533">
        <source>Serial number</source>
        <translation>序列号</translation>
    </message>
    <message id="ids.62534">
        <source>Series</source>
        <translation>系列</translation>
    </message>
    <message id="ids.62535">
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message id="ids.62536">
        <source>N</source>
        <translation>N</translation>
    </message>
    <message id="ids.62537">
        <source>Mean</source>
        <translation>平均值</translation>
    </message>
    <message id="ids.62538">
        <source>s</source>
        <translation>s</translation>
    </message>
    <message id="ids.62539">
        <source>Min</source>
        <translation>最小</translation>
    </message>
    <message id="ids.62540">
        <source>Max</source>
        <translation>最大</translation>
    </message>
    <message id="ids.62541">
        <source>Verdict</source>
        <translation>判定</translation>
    </message>
    <message id="ids.62542">
        <source>Origin</source>
        <translation>来源</translation>
    </message>
    <message id="ids.62543">
        <source>%1 series found.</source>
        <translation>找到 %1 个系列。</translation>
    </message>
    <message id="ids.62544">
        <source>Series means of %1 in %2</source>
        <translation>%1 在 %2 下的系列平均值</translation>
    </message>
    <message id="ids.62545">
        <source>downloaded on %1</source>
        <translation>下载于 %1</translation>
    </message>
    <message id="ids.62546">
        <source>file %1</source>
        <translation>文件 %1</translation>
    </message>
    <message id="ids.62547">
        <source>Choose a series to see the means of its tester and scale over time.</source>
        <translation>选择一个系列，查看其测试仪和标尺的平均值随时间的变化。</translation>
    </message>
    <message id="ids.62550">
        <source>Archive settings</source>
        <translation>档案库设置</translation>
    </message>
    <message id="ids.62551">
        <source>&amp;Default file: %1</source>
        <translation>默认文件(&amp;D)：%1</translation>
    </message>
    <message id="ids.62552">
        <source>O&amp;ff: keep nothing</source>
        <translation>关闭(&amp;F)：不保存任何内容</translation>
    </message>
    <message id="ids.62553">
        <source>&amp;Other address:</source>
        <translation>其他地址(&amp;O)：</translation>
    </message>
    <message id="ids.62554">
        <source>SCLERON_ARCHIVE_URL is set and takes precedence: %1</source>
        <translation>已设置 SCLERON_ARCHIVE_URL，它优先：%1</translation>
    </message>
    <message id="ids.62555">
        <source>The archive settings could not be saved in the settings file &quot;%1&quot;.</source>
        <translation>无法将档案库设置保存到设置文件“%1”中。</translation>
    </message>
    <message id="ids.62556">
        <source>Examples: sqlite:/srv/lab/archive.sqlite, postgresql://lab@dbhost:5432/hardness. Passwords belong in ~/.pgpass.</source>
        <translation>示例：sqlite:/srv/lab/archive.sqlite、postgresql://lab@dbhost:5432/hardness。密码应放在 ~/.pgpass 中。</translation>
    </message>
    <message id="ids.33162">
        <source>Find archived series and open them
Archive</source>
        <translation>查找已存档的系列并打开
档案库</translation>
    </message>
    <message id="ids.33163">
        <source>Choose where the archive is kept, or switch it off
Archive settings</source>
        <translation>选择档案库的存放位置，或将其关闭
档案库设置</translation>
    </message>
    <message id="ids.58100">
        <source>HLD Leeb D raw</source>
        <translation>HLD 里氏D 原始值</translation>
    </message>
    <message id="ids.58101">
        <source>HLD  Leeb D</source>
        <translation>HLD  里氏D</translation>
    </message>
    <message id="ids.58102">
        <source>HV    Vickers</source>
        <translation>HV    维氏</translation>
    </message>
    <message id="ids.58103">
        <source>HB    Brinell (F=30D²)</source>
        <translation>HB    布氏 (F=30D²)</translation>
    </message>
    <message id="ids.58104">
        <source>HRC Rockwell C</source>
        <translation>HRC 洛氏C</translation>
    </message>
    <message id="ids.58105">
        <source>HRB Rockwell B</source>
        <translation>HRB 洛氏B</translation>
    </message>
    <message id="ids.58106">
        <source>HRA Rockwell A</source>
        <translation>HRA 洛氏A</translation>
    </message>
    <message id="ids.58107">
        <source>HS    Shore</source>
        <translation>HS    肖氏</translation>
    </message>
    <message id="ids.58108">
        <source>Rm   Tensile strength</source>
        <translation>Rm   抗拉强度</translation>
    </message>
    <message id="ids.58109">
        <source>HC   Custom</source>
        <translation>HC   自定义</translation>
    </message>
    <message id="ids.58182">
        <source>HLDL Leeb DL raw</source>
        <translation>HLDL 里氏DL 原始值</translation>
    </message>
    <message id="ids.58183">
        <source>HLDL  Leeb DL</source>
        <translation>HLDL  里氏DL</translation>
    </message>
    <message id="ids.58110">
        <source>1 Steel and cast steel</source>
        <translation>1 钢和铸钢</translation>
    </message>
    <message id="ids.58111">
        <source>2 Work tool steel</source>
        <translation>2 冷作工具钢</translation>
    </message>
    <message id="ids.58112">
        <source>3 Stainless steel</source>
        <translation>3 不锈钢</translation>
    </message>
    <message id="ids.58113">
        <source>4 Gray cast iron (GG)</source>
        <translation>4 灰铸铁 (GG)</translation>
    </message>
    <message id="ids.58114">
        <source>5 Nodular cast iron (GGG)</source>
        <translation>5 球墨铸铁 (GGG)</translation>
    </message>
    <message id="ids.58115">
        <source>6 Cast aluminium alloys</source>
        <translation>6 铸造铝合金</translation>
    </message>
    <message id="ids.58116">
        <source>7 Brass</source>
        <translation>7 黄铜</translation>
    </message>
    <message id="ids.58117">
        <source>8 Bronzes</source>
        <translation>8 青铜</translation>
    </message>
    <message id="ids.58118">
        <source>9 Wrought copper</source>
        <translation>9 变形铜合金</translation>
    </message>
    <message id="ids.58119">
        <source>6.1 Alu-AN40 (ABB)</source>
        <translation>6.1 Alu-AN40 (ABB)</translation>
    </message>
    <message id="ids.58120">
        <source>HC1  Custom1</source>
        <translation>HC1  自定义1</translation>
    </message>
    <message id="ids.58121">
        <source>HC2  Custom2</source>
        <translation>HC2  自定义2</translation>
    </message>
    <message id="ids.58122">
        <source>HC3  Custom3</source>
        <translation>HC3  自定义3</translation>
    </message>
    <message id="ids.58123">
        <source>1 Steel / Cast Steel</source>
        <translation>1 钢 / 铸钢</translation>
    </message>
    <message id="ids.58124">
        <source>2 Treat. Steel heat tr.</source>
        <translation>2 调质钢 已调质</translation>
    </message>
    <message id="ids.58125">
        <source>3 Treat. Steel untreat.</source>
        <translation>3 调质钢 未处理</translation>
    </message>
    <message id="ids.58130">
        <source>Index</source>
        <translation>序号</translation>
    </message>
    <message id="ids.58131">
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message id="ids.58132">
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message id="ids.58133">
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message id="ids.58134">
        <source>Gravity component</source>
        <translation>冲击方向</translation>
    </message>
    <message id="ids.58135">
        <source>Scale</source>
        <translation>标尺</translation>
    </message>
    <message id="ids.58136">
        <source>Material</source>
        <translation>材料</translation>
    </message>
    <message id="ids.58137">
        <source>Impact body</source>
        <translation>冲击体</translation>
    </message>
    <message id="ids.58150">
        <source>Out of range</source>
        <translation>超出范围</translation>
    </message>
    <message id="ids.58152">
        <source>no curve</source>
        <translation>无曲线</translation>
    </message>
    <message id="ids.61100">
        <source>m: -</source>
        <translation>m：-</translation>
    </message>
    <message id="ids.61101">
        <source>m: %0.1f %s</source>
        <translation>m：%0.1f %s</translation>
    </message>
    <message id="ids.61102">
        <source>m: %0.0f %s</source>
        <translation>m：%0.0f %s</translation>
    </message>
    <message id="ids.61103">
        <source>s: -</source>
        <translation>s：-</translation>
    </message>
    <message id="ids.61104">
        <source>s: %0.2f %s</source>
        <translation>s：%0.2f %s</translation>
    </message>
    <message id="ids.61105">
        <source>s: %0.1f %s</source>
        <translation>s：%0.1f %s</translation>
    </message>
    <message id="ids.61106">
        <source>Min: -</source>
        <translation>最小：-</translation>
    </message>
    <message id="ids.61107">
        <source>Min: %0.1f %s</source>
        <translation>最小：%0.1f %s</translation>
    </message>
    <message id="ids.61108">
        <source>Min: %0.0f %s</source>
        <translation>最小：%0.0f %s</translation>
    </message>
    <message id="ids.61109">
        <source>Max: -</source>
        <translation>最大：-</translation>
    </message>
    <message id="ids.61110">
        <source>Max: %0.1f %s</source>
        <translation>最大：%0.1f %s</translation>
    </message>
    <message id="ids.61111">
        <source>Max: %0.0f %s</source>
        <translation>最大：%0.0f %s</translation>
    </message>
    <message id="ids.61112">
        <source>R: -</source>
        <translation>R：-</translation>
    </message>
    <message id="ids.61113">
        <source>R: %0.1f %s</source>
        <translation>R：%0.1f %s</translation>
    </message>
    <message id="ids.61114">
        <source>R: %0.0f %s</source>
        <translation>R：%0.0f %s</translation>
    </message>
    <message id="ids.61115">
        <source>N: -</source>
        <translation>N：-</translation>
    </message>
    <message id="ids.61116">
        <source>N: %d</source>
        <translation>N：%d</translation>
    </message>
    <message id="ids.61001">
        <source>Unable to save measurements to &quot;%1&quot;:
%2</source>
        <translation>无法将测量值保存到“%1”：
%2</translation>
    </message>
    <message id="ids.61010">
        <source>&quot;%1&quot; is too large to be a measurement file.</source>
        <translation>“%1”太大，不可能是测量文件。</translation>
    </message>
    <message id="ids.61500">
        <source>Firmware upgrade tool is running...</source>
        <translation>固件升级工具正在运行...</translation>
    </message>
    <message id="ids.61400">
        <source>Memory deleted!</source>
        <translation>存储器已清除！</translation>
    </message>
    <message id="ids.61401">
        <source>No tester found.</source>
        <translation>未找到硬度计。</translation>
    </message>
    <message id="ids.61402">
        <source>No tester answers on COM%1.</source>
        <translation>COM%1 上没有硬度计应答。</translation>
    </message>
    <message id="ids.61403">
        <source>COM%1 could not be opened.</source>
        <translation>无法打开 COM%1。</translation>
    </message>
    <message id="ids.61404">
        <source>The tester is in its boot loader. Reset it or upgrade its firmware.</source>
        <translation>硬度计处于引导程序模式。请复位或升级其固件。</translation>
    </message>
    <message id="ids.61405">
        <source>The connection to the tester was lost; nothing was saved.</source>
        <translation>与硬度计的连接已中断；未保存任何内容。</translation>
    </message>
    <message id="ids.61406">
        <source>Tester: %1</source>
        <translation>硬度计：%1</translation>
    </message>
    <message id="ids.61407">
        <source>Serial number: %1</source>
        <translation>序列号：%1</translation>
    </message>
    <message id="ids.61408">
        <source>Firmware: %1</source>
        <translation>固件：%1</translation>
    </message>
    <message id="ids.61409">
        <source>Series: %1</source>
        <translation>组数：%1</translation>
    </message>
    <message id="ids.61410">
        <source>Measurements: %1</source>
        <translation>测量值：%1</translation>
    </message>
    <message id="ids.61411">
        <source>Saved to %1</source>
        <translation>已保存到 %1</translation>
    </message>
    <message id="ids.61412">
        <source>The tester did not confirm the key lock; its keys stay as they were.</source>
        <translation>硬度计未确认按键锁定；其按键保持原状。</translation>
    </message>
    <message id="ids.61413">
        <source>The tester did not acknowledge the settings: they were not sent. Shown is what the tester holds.</source>
        <translation>硬度计未确认设置：设置未发送。显示的是硬度计中保存的内容。</translation>
    </message>
    <message id="ids.61414">
        <source>The tester did not acknowledge custom curve HC%1 (impact body %2, register %3): the curves were not all sent. Shown is what the tester holds.</source>
        <translation>硬度计未确认自定义曲线 HC%1（冲击体 %2，寄存器 %3）：曲线未全部发送。显示的是硬度计中保存的内容。</translation>
    </message>
    <message id="ids.61700">
        <source>its first line is not the header of a measurement log</source>
        <translation>其第一行不是测量记录的表头</translation>
    </message>
    <message id="ids.61701">
        <source>CSV (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>CSV (*.csv)|*.csv|所有文件 (*.*)|*.*||</translation>
    </message>
    <message id="ids.61702">
        <source>Unable to export to &quot;%1&quot;:
%2</source>
        <translation>无法导出到“%1”：
%2</translation>
    </message>
    <message id="ids.61710">
        <source>%1.%2  %3  %4  (L %5, %6°)</source>
        <translation>%1.%2  %3  %4  (L %5, %6°)</translation>
    </message>
    <message id="ids.61711">
        <source>%1  hidden</source>
        <translation>%1  已隐藏</translation>
    </message>
    <message id="ids.61712">
        <source>%1.%2  discarded</source>
        <translation>%1.%2  已舍弃</translation>
    </message>
    <message id="ids.61713">
        <source>Watching %1 %2 on COM%3: %4 measurements in its memory. Ctrl+C ends.</source>
        <translation>正在监视 COM%3 上的 %1 %2：存储器中有 %4 个测量值。按 Ctrl+C 结束。</translation>
    </message>
    <message id="ids.61714">
        <source>The connection to the tester was lost; trying again until Ctrl+C.</source>
        <translation>与硬度计的连接已中断；将持续重试，直到按 Ctrl+C。</translation>
    </message>
    <message id="ids.61715">
        <source>The tester answers again.</source>
        <translation>硬度计已恢复应答。</translation>
    </message>
    <message id="ids.61716">
        <source>Another tester (%1 %2) answers on COM%3; watching ends.</source>
        <translation>COM%3 上应答的是另一台硬度计（%1 %2）；监视结束。</translation>
    </message>
    <message id="ids.61717">
        <source>Unable to write to &quot;%1&quot;: %2</source>
        <translation>无法写入“%1”：%2</translation>
    </message>
    <message id="ids.61718">
        <source>Ended: %1 new impacts, %2 discards.</source>
        <translation>已结束：新冲击 %1 次，舍弃 %2 次。</translation>
    </message>
    <message id="menu.32733">
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message id="menu.32734">
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message id="menu.32701">
        <source>&amp;Export</source>
        <translation>导出(&amp;E)</translation>
    </message>
    <message id="menu.32741">
        <source>Export as &amp;CSV...</source>
        <translation>导出为 CSV(&amp;C)...</translation>
    </message>
    <message id="menu.32742">
        <source>Export s&amp;tatistics as CSV...</source>
        <translation>将统计导出为 CSV(&amp;T)...</translation>
    </message>
    <message id="menu.32702">
        <source>&amp;Print</source>
        <translation>打印(&amp;P)</translation>
    </message>
    <message id="menu.33160">
        <source>&amp;Report…</source>
        <translation>报告(&amp;R)…</translation>
    </message>
    <message id="menu.33162">
        <source>&amp;Archive…</source>
        <translation>档案库(&amp;A)…</translation>
    </message>
    <message id="menu.57665">
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message id="menu.32703">
        <source>&amp;Connect device</source>
        <translation>连接仪器(&amp;C)</translation>
    </message>
    <message id="menu.32704">
        <source>Device &amp;settings</source>
        <translation>仪器设置(&amp;S)</translation>
    </message>
    <message id="menu.58456">
        <source>Clear device &amp;memory</source>
        <translation>清除仪器存储器(&amp;M)</translation>
    </message>
    <message id="menu.32730">
        <source>&amp;DoDovavez</source>
        <translation>&amp;DoDovavez</translation>
    </message>
    <message id="menu.33000">
        <source>&amp;All</source>
        <translation>全部(&amp;A)</translation>
    </message>
    <message id="menu.33001">
        <source>&amp;Selected</source>
        <translation>所选(&amp;S)</translation>
    </message>
    <message id="menu.33003">
        <source>&amp;All</source>
        <translation>全部(&amp;A)</translation>
    </message>
    <message id="menu.33004">
        <source>&amp;Selected</source>
        <translation>所选(&amp;S)</translation>
    </message>
    <message id="menu.33006">
        <source>&amp;All</source>
        <translation>全部(&amp;A)</translation>
    </message>
    <message id="menu.33007">
        <source>&amp;Selected</source>
        <translation>所选(&amp;S)</translation>
    </message>
    <message id="menu.33009">
        <source>&amp;All</source>
        <translation>全部(&amp;A)</translation>
    </message>
    <message id="menu.33011">
        <source>&amp;Selected</source>
        <translation>所选(&amp;S)</translation>
    </message>
    <message id="menu.33012">
        <source>&amp;All</source>
        <translation>全部(&amp;A)</translation>
    </message>
    <message id="menu.33013">
        <source>&amp;Selected</source>
        <translation>所选(&amp;S)</translation>
    </message>
    <message id="menu.33015">
        <source>&amp;All</source>
        <translation>全部(&amp;A)</translation>
    </message>
    <message id="menu.33016">
        <source>&amp;Selected</source>
        <translation>所选(&amp;S)</translation>
    </message>
    <message id="menu.32800">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32801">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32802">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32803">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32804">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32805">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32806">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32807">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32808">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32809">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32810">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32811">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32812">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32813">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32814">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32815">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32816">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32817">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32818">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32819">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32820">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32821">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32822">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32823">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32824">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32825">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32826">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32827">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32828">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32829">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32830">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32831">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32832">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32833">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32834">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32835">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32836">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32837">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32838">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32839">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32840">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32841">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32842">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32843">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32844">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32845">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32846">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32847">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32848">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32849">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32850">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32851">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32852">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32853">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32854">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32855">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32856">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32857">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32858">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32859">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32860">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32861">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32862">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32863">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32864">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32865">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32866">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32867">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32868">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32869">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32870">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32871">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32872">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32873">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32874">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32875">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32876">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32877">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32878">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32879">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32880">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32881">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32882">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32883">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32884">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32885">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32886">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32887">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32888">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32889">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32890">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32891">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32892">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32893">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32894">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32895">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32896">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="menu.32897">
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message id="menu.32898">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.33002">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.33005">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.33008">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.33010">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.33014">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.33017">
        <source>This</source>
        <translation>此项</translation>
    </message>
    <message id="menu.32705">
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message id="menu.32706">
        <source>&amp;Deutsch</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message id="menu.32707">
        <source>&amp;Français</source>
        <translation>&amp;Français</translation>
    </message>
    <message id="menu.32708">
        <source>&amp;Italiano</source>
        <translation>&amp;Italiano</translation>
    </message>
    <message id="menu.32709">
        <source>E&amp;spañol</source>
        <translation>E&amp;spañol</translation>
    </message>
    <message id="menu.32710">
        <source>&amp;Português</source>
        <translation>&amp;Português</translation>
    </message>
    <message id="menu.32711">
        <source>&amp;Русский</source>
        <translation>&amp;Русский</translation>
    </message>
    <message id="menu.32713">
        <source>中文 (&amp;C)</source>
        <translation>中文 (&amp;C)</translation>
    </message>
    <message id="menu.58464">
        <source>&amp;default</source>
        <translation>默认(&amp;D)</translation>
    </message>
    <message id="menu.58465">
        <source>&amp;Custom J</source>
        <translation>&amp;Custom J</translation>
    </message>
    <message id="menu.33161">
        <source>&amp;Tolerance limits…</source>
        <translation>公差限(&amp;T)…</translation>
    </message>
    <message id="menu.33163">
        <source>&amp;Archive…</source>
        <translation>档案库(&amp;A)…</translation>
    </message>
    <message id="menu.58466">
        <source>&amp;Check for updates...</source>
        <translation>检查更新(&amp;C)...</translation>
    </message>
    <message id="menu.57670">
        <source>&amp;Help Scleron</source>
        <translation>Scleron 帮助(&amp;H)</translation>
    </message>
    <message id="menu.2100">
        <source>Product &amp;Registration</source>
        <translation>产品注册(&amp;R)</translation>
    </message>
    <message id="menu.2101">
        <source>Customer &amp;Feedback</source>
        <translation>客户反馈(&amp;F)</translation>
    </message>
    <message id="menu.57664">
        <source>&amp;About Scleron...</source>
        <translation>关于 Scleron(&amp;A)...</translation>
    </message>
    <message id="menu.33170">
        <source>Series &amp;chart</source>
        <translation>测量组图表(&amp;C)</translation>
    </message>
    <message id="popup.file">
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message id="popup.device">
        <source>&amp;Device</source>
        <translation>仪器(&amp;D)</translation>
    </message>
    <message id="popup.edit">
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message id="popup.view">
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message id="popup.edit.expand">
        <source>E&amp;xpand</source>
        <translation>展开(&amp;X)</translation>
    </message>
    <message id="popup.edit.collapse">
        <source>&amp;Collapse</source>
        <translation>折叠(&amp;C)</translation>
    </message>
    <message id="popup.edit.copy">
        <source>C&amp;opy (Ctrl+C)</source>
        <translation>复制 (Ctrl+C)(&amp;O)</translation>
    </message>
    <message id="popup.edit.show">
        <source>&amp;Show</source>
        <translation>显示(&amp;S)</translation>
    </message>
    <message id="popup.edit.hide">
        <source>&amp;Hide</source>
        <translation>隐藏(&amp;H)</translation>
    </message>
    <message id="popup.edit.delete">
        <source>&amp;Delete (DEL)</source>
        <translation>删除 (DEL)(&amp;D)</translation>
    </message>
    <message id="popup.settings">
        <source>&amp;Settings</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message id="popup.settings.language">
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message id="popup.settings.standard">
        <source>&amp;Conversion standard</source>
        <translation>换算标准(&amp;C)</translation>
    </message>
    <message id="popup.help">
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message id="popup.table.conversion">
        <source>Conversion</source>
        <translation>换算</translation>
    </message>
    <message id="popup.table.expand">
        <source>Expand</source>
        <translation>展开</translation>
    </message>
    <message id="popup.table.collapse">
        <source>Collapse</source>
        <translation>折叠</translation>
    </message>
    <message id="popup.table.copy">
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message id="popup.table.show">
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message id="popup.table.hide">
        <source>Hide</source>
        <translation>隐藏</translation>
    </message>
    <message id="popup.table.delete">
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message id="ids.61800">
        <source>OK</source>
        <translation>合格</translation>
    </message>
    <message id="ids.61801">
        <source>NOT OK</source>
        <translation>不合格</translation>
    </message>
    <message id="ids.61802">
        <source>inside</source>
        <translation>在公差内</translation>
    </message>
    <message id="ids.61803">
        <source>below</source>
        <translation>低于下限</translation>
    </message>
    <message id="ids.61804">
        <source>above</source>
        <translation>高于上限</translation>
    </message>
    <message id="ids.33161">
        <source>Set lower and upper limits for the values of a scale and material
Tolerance limits</source>
        <translation>为某一标尺和材料的数值设定下限和上限
公差限</translation>
    </message>
    <message id="ids.61810">
        <source>Tolerance limits</source>
        <translation>公差限</translation>
    </message>
    <message id="ids.61811">
        <source>&amp;Scale:</source>
        <translation>标尺(&amp;S)：</translation>
    </message>
    <message id="ids.61812">
        <source>&amp;Material:</source>
        <translation>材料(&amp;M)：</translation>
    </message>
    <message id="ids.61813">
        <source>&amp;Lower limit:</source>
        <translation>下限(&amp;L)：</translation>
    </message>
    <message id="ids.61814">
        <source>&amp;Upper limit:</source>
        <translation>上限(&amp;U)：</translation>
    </message>
    <message id="ids.61815">
        <source>none</source>
        <translation>无</translation>
    </message>
    <message id="ids.61816">
        <source>&amp;Remove these limits</source>
        <translation>删除这些界限(&amp;R)</translation>
    </message>
    <message id="ids.61817">
        <source>Limits set:</source>
        <translation>已设定的界限：</translation>
    </message>
    <message id="ids.61818">
        <source>A limit is a number above 0, and the lower limit may not lie above the upper one.</source>
        <translation>界限必须是大于 0 的数，且下限不得高于上限。</translation>
    </message>
    <message id="ids.61819">
        <source>The tolerance limits could not be saved in the settings file &quot;%1&quot;.</source>
        <translation>无法将公差限保存到设置文件“%1”中。</translation>
    </message>
    <message id="ids.61820">
        <source>Inspection report</source>
        <translation>检测报告</translation>
    </message>
    <message id="ids.61821">
        <source>Tester: %1</source>
        <translation>硬度计：%1</translation>
    </message>
    <message id="ids.61822">
        <source>Date: %1</source>
        <translation>日期：%1</translation>
    </message>
    <message id="ids.61823">
        <source>Series %1</source>
        <translation>第 %1 组</translation>
    </message>
    <message id="ids.61824">
        <source>Scale: %1</source>
        <translation>标尺：%1</translation>
    </message>
    <message id="ids.61825">
        <source>Material: %1</source>
        <translation>材料：%1</translation>
    </message>
    <message id="ids.61826">
        <source>Impact body: %1</source>
        <translation>冲击体：%1</translation>
    </message>
    <message id="ids.61827">
        <source>Measurements: %1, hidden: %2</source>
        <translation>测量值：%1，已隐藏：%2</translation>
    </message>
    <message id="ids.61828">
        <source>Tolerance: %1</source>
        <translation>公差：%1</translation>
    </message>
    <message id="ids.61829">
        <source>no limits set</source>
        <translation>未设定界限</translation>
    </message>
    <message id="ids.61830">
        <source>Verdict: %1</source>
        <translation>判定：%1</translation>
    </message>
    <message id="ids.61831">
        <source>%1 inside, %2 below, %3 above</source>
        <translation>%1 个在公差内，%2 个低于下限，%3 个高于上限</translation>
    </message>
    <message id="ids.61832">
        <source>%1 without a value, not judged</source>
        <translation>%1 个无数值，未判定</translation>
    </message>
    <message id="ids.61833">
        <source>nothing judged</source>
        <translation>未作判定</translation>
    </message>
    <message id="ids.61834">
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message id="ids.61835">
        <source>Inspected by:</source>
        <translation>检测人：</translation>
    </message>
    <message id="ids.61836">
        <source>Signature:</source>
        <translation>签名：</translation>
    </message>
    <message id="ids.61837">
        <source>Verdict</source>
        <translation>判定</translation>
    </message>
    <message id="ids.61838">
        <source>hidden</source>
        <translation>已隐藏</translation>
    </message>
    <message id="ids.61839">
        <source>No measurement series.</source>
        <translation>没有测量组。</translation>
    </message>
    <message id="ids.61840">
        <source>Cannot write the report &quot;%1&quot;:
%2</source>
        <translation>无法写入报告“%1”：
%2</translation>
    </message>
    <message id="ids.61841">
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message id="ids.61842">
        <source>Select a series in the table to see its chart.</source>
        <translation>在表格中选择一个测量组即可查看其图表。</translation>
    </message>
    <message id="ids.61843">
        <source>Report...</source>
        <translation>报告...</translation>
    </message>
    <message id="ids.61844">
        <source>Series chart</source>
        <translation>测量组图表</translation>
    </message>
    <message id="ids.61845">
        <source>This series has no measurements.</source>
        <translation>此测量组没有测量值。</translation>
    </message>
    <message id="ids.61846">
        <source>No material chosen: choose one in the Material column to convert the values.</source>
        <translation>未选择材料：请在“材料”列中选择一种以换算数值。</translation>
    </message>
    <message id="ids.61847">
        <source>No value converts to %1.</source>
        <translation>没有数值能换算为 %1。</translation>
    </message>
    <message id="ids.61848">
        <source>Save inspection report</source>
        <translation>保存检测报告</translation>
    </message>
    <message id="ids.33160">
        <source>Write an inspection report of all series as a PDF file
Report</source>
        <translation>将所有测量组的检测报告写入 PDF 文件
报告</translation>
    </message>
    <message id="ids.61600">
        <source>Device Settings</source>
        <translation>仪器设置</translation>
    </message>
    <message id="ids.61601">
        <source>Kestrel</source>
        <translation>Kestrel</translation>
    </message>
    <message id="ids.61602">
        <source>Impact counter:</source>
        <translation>冲击计数器：</translation>
    </message>
    <message id="ids.61603">
        <source>Measurement counter:</source>
        <translation>测量计数器：</translation>
    </message>
    <message id="ids.61604">
        <source>Fixed number of impacts:</source>
        <translation>固定冲击次数：</translation>
    </message>
    <message id="ids.61605">
        <source>Lock Keys</source>
        <translation>锁定按键</translation>
    </message>
    <message id="ids.61606">
        <source>Conversion Standard:</source>
        <translation>换算标准：</translation>
    </message>
    <message id="ids.61607">
        <source>Impact Body:</source>
        <translation>冲击体：</translation>
    </message>
    <message id="ids.61608">
        <source>HC1 Custom1</source>
        <translation>HC1 自定义1</translation>
    </message>
    <message id="ids.61609">
        <source>HC2 Custom2</source>
        <translation>HC2 自定义2</translation>
    </message>
    <message id="ids.61610">
        <source>HC3 Custom3</source>
        <translation>HC3 自定义3</translation>
    </message>
    <message id="ids.61611">
        <source>Receive Settings</source>
        <translation>读取设置</translation>
    </message>
    <message id="ids.61612">
        <source>Send Settings</source>
        <translation>发送设置</translation>
    </message>
    <message id="ids.61613">
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message id="ids.61614">
        <source>default</source>
        <translation>默认</translation>
    </message>
    <message id="ids.61615">
        <source>Custom J</source>
        <translation>Custom J</translation>
    </message>
    <message id="ids.61616">
        <source>D</source>
        <translation>D</translation>
    </message>
    <message id="ids.61617">
        <source>DL</source>
        <translation>DL</translation>
    </message>
    <message id="ids.61618">
        <source>Fixed number of impacts: %1 was not taken; the tester accepts %2 to %3.</source>
        <translation>固定冲击次数：%1 未被接受；硬度计允许 %2 到 %3。</translation>
    </message>
    <message id="ids.61619">
        <source>Measurement counter: %1 was not taken; the tester counts up to %2.</source>
        <translation>测量计数器：%1 未被接受；硬度计最多计数到 %2。</translation>
    </message>
    <message id="ids.61620">
        <source>HC%1 offset: %2 was not taken; this curve accepts %3 to %4.</source>
        <translation>HC%1 偏移量：%2 未被接受；此曲线允许 %3 到 %4。</translation>
    </message>
    <message id="ids.58151">
        <source>select</source>
        <translation>选择</translation>
    </message>
    <message id="ids.58159">
        <source>Export...</source>
        <translation>导出...</translation>
    </message>
    <message id="ids.58160">
        <source>Print...</source>
        <translation>打印...</translation>
    </message>
    <message id="ids.58175">
        <source>Page %d of %d</source>
        <translation>第 %d 页，共 %d 页</translation>
    </message>
    <message id="ids.58176">
        <source>%c</source>
        <translation>%c</translation>
    </message>
    <message id="ids.58501">
        <source>Custom J</source>
        <translation>Custom J</translation>
    </message>
    <message id="ids.61200">
        <source>Statistic</source>
        <translation>统计</translation>
    </message>
    <message id="ids.61201">
        <source>Unable to save grid list</source>
        <translation>无法保存表格</translation>
    </message>
    <message id="ids.61202">
        <source>Cannot create &quot;%1&quot;:
%2</source>
        <translation>无法创建“%1”：
%2</translation>
    </message>
    <message id="ids.61203">
        <source>Delete Item</source>
        <translation>删除条目</translation>
    </message>
    <message id="ids.61205">
        <source>Written to %1</source>
        <translation>已写入 %1</translation>
    </message>
    <message id="ids.61204">
        <source>Unable to print the table: no printer was chosen, or the printer or file could not be opened.</source>
        <translation>无法打印表格：未选择打印机，或无法打开打印机或文件。</translation>
    </message>
    <message id="ids.22000">
        <source>Downloading...</source>
        <translation>正在下载...</translation>
    </message>
    <message id="ids.22001">
        <source>Searching for updates...</source>
        <translation>正在检查更新...</translation>
    </message>
    <message id="ids.22002">
        <source>Halvex</source>
        <translation>Halvex</translation>
    </message>
    <message id="ids.22005">
        <source>Connecting...</source>
        <translation>正在连接...</translation>
    </message>
    <message id="ids.22007">
        <source>There is no update available. &#13;
You are already using the most recent version of %s.</source>
        <translation>没有可用的更新。&#13;
您使用的已是 %s 的最新版本。</translation>
    </message>
    <message id="ids.22009">
        <source>Found a newer version of %s on the server. &#13;
 Server version: %s &#13;
 Your version: %s</source>
        <translation>服务器上找到了 %s 的新版本。&#13;
 服务器版本：%s &#13;
 您的版本：%s</translation>
    </message>
    <message id="ids.22010">
        <source>Downloading %s</source>
        <translation>正在下载 %s</translation>
    </message>
    <message id="ids.22017">
        <source>%s MB downloaded</source>
        <translation>已下载 %s MB</translation>
    </message>
    <message id="ids.22018">
        <source>Unknown error while downloading.</source>
        <translation>下载时发生未知错误。</translation>
    </message>
    <message id="ids.22019">
        <source>Receiving update information...</source>
        <translation>正在接收更新信息...</translation>
    </message>
    <message id="ids.22020">
        <source>Searching update for %s</source>
        <translation>正在查找 %s 的更新</translation>
    </message>
    <message id="ids.22021">
        <source>Next &gt;</source>
        <translation>下一步 &gt;</translation>
    </message>
    <message id="ids.22022">
        <source>&lt; Back</source>
        <translation>&lt; 上一步</translation>
    </message>
    <message id="ids.22023">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="ids.22024">
        <source>Finish</source>
        <translation>完成</translation>
    </message>
    <message id="ids.25003">
        <source>Failed to connect to FTP server!</source>
        <translation>无法连接到 FTP 服务器！</translation>
    </message>
    <message id="ids.25004">
        <source>Directory (%s) not found on the FTP server!</source>
        <translation>在 FTP 服务器上未找到目录 (%s)！</translation>
    </message>
    <message id="ids.25005">
        <source>Failed to create an internet session!</source>
        <translation>无法创建互联网会话！</translation>
    </message>
    <message id="ids.25006">
        <source>(Error %d)</source>
        <translation>（错误 %d）</translation>
    </message>
    <message id="ids.61450">
        <source>The installer %1 could not be started:
%2</source>
        <translation>无法启动安装程序 %1：
%2</translation>
    </message>
    <message id="ids.22032">
        <source>Repeatedly it was not possible to connect the PC to the Internet to check for newer firmware or OS for the %s device.
It is advisable to connect your PC once in a while to the Internet to keep the device firmware and OS up-to-date.</source>
        <translation>多次未能将电脑连接到互联网，以检查 %s 仪器是否有更新的固件或操作系统。
建议不时将电脑连接到互联网，以使仪器的固件和操作系统保持最新。</translation>
    </message>
    <message id="ids.61451">
        <source>The update server could not be reached. Please check the PC's connection to the Internet.</source>
        <translation>无法连接更新服务器。请检查电脑的互联网连接。</translation>
    </message>
    <message id="ids.61452">
        <source>The update server did not accept the program's login.</source>
        <translation>更新服务器不接受本程序的登录。</translation>
    </message>
    <message id="ids.61453">
        <source>The update server does not offer an encrypted connection, so nothing was fetched from it.</source>
        <translation>更新服务器不提供加密连接，因此未从其获取任何内容。</translation>
    </message>
    <message id="ids.61454">
        <source>The encrypted connection to the update server could not be set up or its certificate could not be verified, so nothing was fetched from it.</source>
        <translation>无法建立与更新服务器的加密连接或无法验证其证书，因此未从其获取任何内容。</translation>
    </message>
    <message id="ids.61455">
        <source>The update server stopped sending data. Please try again later.</source>
        <translation>更新服务器已停止发送数据。请稍后重试。</translation>
    </message>
    <message id="ids.61456">
        <source>The connection to the update server failed.</source>
        <translation>与更新服务器的连接失败。</translation>
    </message>
    <message id="ids.61457">
        <source>The file is not on the update server.</source>
        <translation>更新服务器上没有该文件。</translation>
    </message>
    <message id="ids.61458">
        <source>%s MB of %s MB downloaded (%s MB/s)</source>
        <translation>已下载 %s MB，共 %s MB（%s MB/s）</translation>
    </message>
    <message id="ids.61459">
        <source>The file on the update server is not the size the server announced, so it was not used.</source>
        <translation>更新服务器上的文件大小与服务器公布的不符，因此未使用该文件。</translation>
    </message>
    <message id="ids.61460">
        <source>The file was not used because it has no signature on the update server.</source>
        <translation>该文件未被使用，因为它在更新服务器上没有签名。</translation>
    </message>
    <message id="ids.61461">
        <source>The file was not used because its signature on the update server is damaged.</source>
        <translation>该文件未被使用，因为它在更新服务器上的签名已损坏。</translation>
    </message>
    <message id="ids.61462">
        <source>The file was not used because it was signed with a key this program does not trust.</source>
        <translation>该文件未被使用，因为它是用本程序不信任的密钥签名的。</translation>
    </message>
    <message id="ids.61463">
        <source>The file was not used because it does not match its signature: it was changed after it was signed.</source>
        <translation>该文件未被使用，因为它与其签名不符：签名后已被修改。</translation>
    </message>
    <message id="ids.61464">
        <source>The file could not be saved on this PC.</source>
        <translation>无法在此电脑上保存该文件。</translation>
    </message>
    <message id="ids.61465">
        <source>The new version has been downloaded and its signature checked.
%s will now close so that the installer can run.</source>
        <translation>新版本已下载，其签名已验证。
%s 现在将关闭，以便运行安装程序。</translation>
    </message>
    <message id="ids.61466">
        <source>A newer version is available</source>
        <translation>有更新的版本可用</translation>
    </message>
    <message id="ids.61467">
        <source>No update available</source>
        <translation>没有可用的更新</translation>
    </message>
    <message id="ids.61468">
        <source>The search for updates failed</source>
        <translation>搜索更新失败</translation>
    </message>
    <message id="ids.61469">
        <source>The download failed</source>
        <translation>下载失败</translation>
    </message>
    <message id="ids.61470">
        <source>Newer firmware for the %s device was found on the update server but is not offered:
%s</source>
        <translation>在更新服务器上找到了 %s 仪器的更新固件，但未提供：
%s</translation>
    </message>
    <message id="ids.61471">
        <source>The firmware upgrade tool could not be started.
It was looked for at: %s</source>
        <translation>无法启动固件升级工具。
查找位置：%s</translation>
    </message>
    <message id="ids.61472">
        <source>The firmware upgrade tool ended with an error (exit code %s).</source>
        <translation>固件升级工具出错结束（退出代码 %s）。</translation>
    </message>
    <message id="ids.61473">
        <source>The firmware package %s no longer matches its signature, so it was removed and the upgrade tool was not started.</source>
        <translation>固件包 %s 与其签名不再相符，已将其删除，未启动升级工具。</translation>
    </message>
</context>
</TS>

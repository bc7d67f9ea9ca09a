<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>wall::MainWindow</name>
    <message>
        <source>信息提示框</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>完成开机!</source>
        <translation>Power On Good!</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>系统</source>
        <translation>System</translation>
    </message>
    <message>
        <source>高级功能</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>产品选型</source>
        <translation>ProductSel</translation>
    </message>
    <message>
        <source>定时系统</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>幕墙开机</source>
        <translation>WallPower</translation>
    </message>
    <message>
        <source>幕墙关机</source>
        <translation>WallOff</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>串口设置</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>矩阵设置</source>
        <translation>Matrix</translation>
    </message>
    <message>
        <source>幕墙设置</source>
        <translation>WallUnit</translation>
    </message>
    <message>
        <source>幕墙颜色</source>
        <translation>WallColor</translation>
    </message>
    <message>
        <source>标志设置</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>系统设置</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Tool</translation>
    </message>
    <message>
        <source>虚拟键盘</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>云台控制</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>串口显示</source>
        <translation>ComDisp</translation>
    </message>
    <message>
        <source>温度控制</source>
        <translation>TemperatureControl</translation>
    </message>
    <message>
        <source>轮询设置</source>
        <translation>Roll Polling</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>输入控制</source>
        <translation>Input Control</translation>
    </message>
    <message>
        <source>读信号源</source>
        <translation>Read Source</translation>
    </message>
    <message>
        <source>保存模式</source>
        <translation>Mode Save</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>读取本页数据</source>
        <translation>Read This Page</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>图像处理</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>视窗处理</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>画  中  画</source>
        <translation>PIP</translation>
    </message>
    <message>
        <source>  系    统  </source>
        <translation>System</translation>
    </message>
    <message>
        <source>测试画面</source>
        <translation>TestPattern</translation>
    </message>
    <message>
        <source>光机控制</source>
        <translation>DLP</translation>
    </message>
    <message>
        <source>调试助手</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>  漫    游  </source>
        <translation>Roaming</translation>
    </message>
    <message>
        <source>图像调整</source>
        <translation>Adjust</translation>
    </message>
    <message>
        <source>其他控制</source>
        <translation>Else Ctrl</translation>
    </message>
    <message>
        <source>图像翻转</source>
        <translation>Rollovers</translation>
    </message>
    <message>
        <source>框架开关</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>水平框架</source>
        <translation>Hor Scale</translation>
    </message>
    <message>
        <source>垂直框架</source>
        <translation>Ver Scale</translation>
    </message>
    <message>
        <source>尺  寸</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>边框颜色</source>
        <translation>FrameColor</translation>
    </message>
    <message>
        <source>水平位置</source>
        <translation>Hor Pos</translation>
    </message>
    <message>
        <source>垂直位置</source>
        <translation>Ver Pos</translation>
    </message>
    <message>
        <source>垂直尺寸</source>
        <translation>Ver Size</translation>
    </message>
    <message>
        <source>水平尺寸</source>
        <translation>Hor Size</translation>
    </message>
    <message>
        <source>信源模式</source>
        <translation>Source mode</translation>
    </message>
    <message>
        <source>边缘亮度</source>
        <translation>Edge Brightness</translation>
    </message>
    <message>
        <source>温度信息</source>
        <translation>TempInfo</translation>
    </message>
    <message>
        <source>版本信息</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>不规则拼接</source>
        <translation>Ratio</translation>
    </message>
    <message>
        <source>半 屏</source>
        <translation>HalfScreen</translation>
    </message>
    <message>
        <source>去雾功能</source>
        <translation>RemoveMist Fun</translation>
    </message>
    <message>
        <source>TI_Mode</source>
        <translation>TI_MODE</translation>
    </message>
    <message>
        <source>低照度</source>
        <translation>LowLight</translation>
    </message>
    <message>
        <source>除 白</source>
        <translation>RemoveWhite</translation>
    </message>
    <message>
        <source>去雾度</source>
        <translation>RemoveMistLevel</translation>
    </message>
    <message>
        <source>镜像</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>写</source>
        <translation>W</translation>
    </message>
    <message>
        <source>读取状态: </source>
        <translation>Read State: </translation>
    </message>
    <message>
        <source>一月</source>
        <translation>January</translation>
    </message>
    <message>
        <source>二月</source>
        <translation>February</translation>
    </message>
    <message>
        <source>三月</source>
        <translation>March</translation>
    </message>
    <message>
        <source>四月</source>
        <translation>April</translation>
    </message>
    <message>
        <source>五月</source>
        <translation>May</translation>
    </message>
    <message>
        <source>六月</source>
        <translation>June</translation>
    </message>
    <message>
        <source>七月</source>
        <translation>July</translation>
    </message>
    <message>
        <source>八月</source>
        <translation>August</translation>
    </message>
    <message>
        <source>九月</source>
        <translation>September</translation>
    </message>
    <message>
        <source>十月</source>
        <translation>October</translation>
    </message>
    <message>
        <source>十一月</source>
        <translation>November</translation>
    </message>
    <message>
        <source>十二月</source>
        <translation>December</translation>
    </message>
</context>
<context>
    <name>wall::PortDialog</name>
    <message>
        <source>串口设置</source>
        <translation>COM Set</translation>
    </message>
    <message>
        <source>大屏幕串口设置</source>
        <translation>Wall COM Set</translation>
    </message>
    <message>
        <source>矩阵使用独立串口</source>
        <translation>Matrix uses its own COM</translation>
    </message>
    <message>
        <source>AV矩阵使用独立串口</source>
        <translation>AV matrix uses its own COM</translation>
    </message>
    <message>
        <source>VGA矩阵使用独立串口</source>
        <translation>VGA matrix uses its own COM</translation>
    </message>
    <message>
        <source>DVI矩阵使用独立串口</source>
        <translation>DVI matrix uses its own COM</translation>
    </message>
    <message>
        <source>YPbPr矩阵使用独立串口</source>
        <translation>YPbPr matrix uses its own COM</translation>
    </message>
    <message>
        <source>保  存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>取  消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>wall::PortSettingsDialog</name>
    <message>
        <source>串口设置</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>奇校验</source>
        <translation>Odd</translation>
    </message>
    <message>
        <source>偶校验</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>标记</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>空格</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>仅发送 XON/XOFF</source>
        <translation>XON/XOFF (send only)</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>波特率</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>校验</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>数据位</source>
        <translation>Data bits</translation>
    </message>
    <message>
        <source>停止位</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <source>流控制</source>
        <translation>Flow control</translation>
    </message>
    <message>
        <source>确  定</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>取  消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>wall::PowerOffDialog</name>
    <message>
        <source>关机</source>
        <translation>Shutdown</translation>
    </message>
    <message>
        <source>你确定要关闭大屏幕</source>
        <translation>Power Off The Wall?</translation>
    </message>
    <message>
        <source>确  定</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>取  消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>wall::SystemSettingsDialog</name>
    <message>
        <source>系统设置</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>数据读取延时时间</source>
        <translation>Read delay time</translation>
    </message>
    <message>
        <source>智能开机间隔时间</source>
        <translation>Intelligent Power interval</translation>
    </message>
    <message>
        <source>矩阵控屏延时时间</source>
        <translation>Matrix to wall delay</translation>
    </message>
    <message>
        <source>* 10 (ms)</source>
        <translation>* 10 (ms)</translation>
    </message>
    <message>
        <source>控制指令格式</source>
        <translation>Command format</translation>
    </message>
    <message>
        <source>控制顺序</source>
        <translation>Switch order</translation>
    </message>
    <message>
        <source>7个字节</source>
        <translation>7 bytes</translation>
    </message>
    <message>
        <source>8个字节</source>
        <translation>8 bytes</translation>
    </message>
    <message>
        <source>9个字节</source>
        <translation>9 bytes</translation>
    </message>
    <message>
        <source>10个字节</source>
        <translation>10 bytes</translation>
    </message>
    <message>
        <source>先切矩阵再切大屏</source>
        <translation>Matrix first, then wall</translation>
    </message>
    <message>
        <source>先切大屏再切矩阵</source>
        <translation>Wall first, then matrix</translation>
    </message>
    <message>
        <source>电脑开机时启动软件</source>
        <translation>Start with the computer</translation>
    </message>
    <message>
        <source>软件登录使用密码</source>
        <translation>Ask for the password at start</translation>
    </message>
    <message>
        <source>使用数据回读功能</source>
        <translation>Use data read-back</translation>
    </message>
    <message>
        <source>使用漫游功能</source>
        <translation>Use roaming</translation>
    </message>
    <message>
        <source>切信号自动调整</source>
        <translation>Auto adjust after a switch</translation>
    </message>
    <message>
        <source>启动软件发送开机命令</source>
        <translation>Power on the wall at start</translation>
    </message>
    <message>
        <source>确 定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取 消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>wall::TrafficWindow</name>
    <message>
        <source>串口信息显示窗口</source>
        <translation>Com Display Window</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>十六进制</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>字符</source>
        <translation>Char</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>时间标记</source>
        <translation>Time stamps</translation>
    </message>
    <message>
        <source>另存为...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
</context>
<context>
    <name>wall::InputControlDialog</name>
    <message>
        <source>输入控制</source>
        <translation>Input Control</translation>
    </message>
    <message>
        <source>信号源</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>矩阵输入</source>
        <translation>MatrixIn</translation>
    </message>
    <message>
        <source>使用矩阵</source>
        <translation>UseMatrix</translation>
    </message>
    <message>
        <source>单屏模式</source>
        <translation>Single Screen</translation>
    </message>
    <message>
        <source>矩阵切换类型</source>
        <translation>Switch Type</translation>
    </message>
    <message>
        <source>视频+音频</source>
        <translation>Video+Audio</translation>
    </message>
    <message>
        <source>视频</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>音频</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>确 定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取 消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>wall::PipMatrixPanel</name>
    <message>
        <source>使用矩阵</source>
        <translation>UseMatrix</translation>
    </message>
</context>
<context>
    <name>wall::OutputSelectorDialog</name>
    <message>
        <source>矩阵输出选择</source>
        <translation>Matrix Output</translation>
    </message>
    <message>
        <source>矩阵输出对应设置</source>
        <translation>Matrix outputs of this unit</translation>
    </message>
    <message>
        <source>选择此屏对应的矩阵输出</source>
        <translation>Matrix output of this unit</translation>
    </message>
    <message>
        <source>不接矩阵</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>矩阵输出%1</source>
        <translation>MatrixOutput%1</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>确  定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取  消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>wall::InputNameDialog</name>
    <message>
        <source>设置矩阵输入名</source>
        <translation>Matrix Input Names</translation>
    </message>
    <message>
        <source>确  认</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>关  闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>wall::MatrixSettingsDialog</name>
    <message>
        <source>矩阵设置</source>
        <translation>Matrix</translation>
    </message>
    <message>
        <source>矩阵品牌</source>
        <translation>Brand</translation>
    </message>
    <message>
        <source>矩阵型号</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>矩阵地址</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>输入数量</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>延时</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>设置矩阵输入名</source>
        <translation>Input Names</translation>
    </message>
    <message>
        <source>拼接盒输入通道</source>
        <translation>Unit input channel</translation>
    </message>
    <message>
        <source>一对一接法</source>
        <translation>One to One</translation>
    </message>
    <message>
        <source>取消所有连接</source>
        <translation>Clear All</translation>
    </message>
    <message>
        <source>确  认</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>关  闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>信息提示框</source>
        <translation>Tips</translation>
    </message>
</context>
<context>
    <name>wall::RollDialog</name>
    <message>
        <source>矩阵轮询设置</source>
        <translation>Matrix Roll Polling</translation>
    </message>
    <message>
        <source>轮询总组数</source>
        <translation>Groups</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>组间间隔(秒)</source>
        <translation>Interval (s)</translation>
    </message>
    <message>
        <source>自定义设置</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>矩阵品牌</source>
        <translation>Brand</translation>
    </message>
    <message>
        <source>切换类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>矩阵地址</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>勾选            启用轮询</source>
        <translation>Start roll polling</translation>
    </message>
    <message>
        <source>信息提示框</source>
        <translation>Tips</translation>
    </message>
</context>
<context>
    <name>wall::MatrixDialogs</name>
    <message>
        <source>输入控制</source>
        <translation>Input Control</translation>
    </message>
</context>
</TS>

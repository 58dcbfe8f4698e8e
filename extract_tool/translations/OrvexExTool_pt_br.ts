<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versão: %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool is made by Halvern. All rights reserved.</source>
        <translation>Orvex Extract Tool é desenvolvido pela Halvern. Todos os direitos reservados.</translation>
    </message>
</context>
<context>
    <name>ConflictPolicyConfirm</name>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Yes All</source>
        <translation>Sim para todos</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>NO All</source>
        <translation>Não para todos</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Substituir todos</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>Ignorar todos</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>Renomear todos</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Logs de eventos</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>The event log file %1 could not be opened; only this run&apos;s debug output has the messages.</source>
        <translation>Não foi possível abrir o arquivo de log de eventos %1; as mensagens estão apenas na saída de depuração desta execução.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all event logs?</source>
        <translation>Tem certeza de que deseja excluir todos os logs de eventos?</translation>
    </message>
    <message>
        <source>This is the event log file itself.</source>
        <translation>Este é o próprio arquivo de log de eventos.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salvar arquivo</translation>
    </message>
    <message>
        <source>Log files (*.log)</source>
        <translation>Arquivos de log (*.log)</translation>
    </message>
</context>
<context>
    <name>ExtractionFlow</name>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>The estimated size after restoration is %1. Select a destination with enough disk space for extraction.</source>
        <translation>O tamanho estimado após a restauração é de %1. Selecione um destino com espaço em disco suficiente para a extração.</translation>
    </message>
    <message>
        <source>Select a target folder</source>
        <translation>Selecione uma pasta de destino</translation>
    </message>
    <message>
        <source>The source and destination folders cannot be the same. Select another folder.</source>
        <translation>As pastas de origem e de destino não podem ser a mesma. Selecione outra pasta.</translation>
    </message>
    <message>
        <source>Failed to extract. The destination file system is unwritable. Check the file system property and try again.</source>
        <translation>Falha na extração. Não é possível gravar no sistema de arquivos de destino. Verifique as propriedades do sistema de arquivos e tente novamente.</translation>
    </message>
    <message>
        <source>Cannot retrieve disk space information for the selected destination. Are you sure you want to continue?</source>
        <translation>Não é possível obter as informações de espaço em disco do destino selecionado. Tem certeza de que deseja continuar?</translation>
    </message>
    <message>
        <source>The selected destination doesn&apos;t have enough disk space. Select another destination and try again.</source>
        <translation>O destino selecionado não tem espaço em disco suficiente. Selecione outro destino e tente novamente.</translation>
    </message>
    <message>
        <source>Select a conflict policy for dealing with file conflicts during extraction.</source>
        <translation>Selecione uma política para tratar conflitos de arquivos durante a extração.</translation>
    </message>
    <message>
        <source>Cannot add additional background tasks. The maximum number of tasks has been reached. To continue, delete individual tasks or click Clear Completed Tasks.</source>
        <translation>Não é possível adicionar mais tarefas em segundo plano. O número máximo de tarefas foi atingido. Para continuar, exclua tarefas individualmente ou clique em Limpar tarefas concluídas.</translation>
    </message>
    <message>
        <source>Failed to extract files. Check the event logs for more information.</source>
        <translation>Falha ao extrair os arquivos. Verifique os logs de eventos para obter mais informações.</translation>
    </message>
</context>
<context>
    <name>FileVersionsDialog</name>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>added</source>
        <translation>adicionado</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>alterado</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>inalterado</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>excluído</translation>
    </message>
    <message>
        <source>The versions of this file could not be read.</source>
        <translation>Não foi possível ler as versões deste arquivo.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Version time</source>
        <translation>Data da versão</translation>
    </message>
</context>
<context>
    <name>Hcommon</name>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorar</translation>
    </message>
</context>
<context>
    <name>Hcommon::PagingBar</name>
    <message>
        <source>Page:</source>
        <translation>Página:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Exibir:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Itens</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Itens exibidos: %1, Total: %2</translation>
    </message>
</context>
<context>
    <name>LicenseInfo</name>
    <message>
        <source>Open Source &amp; Third Party Software</source>
        <translation>Software de código aberto e de terceiros</translation>
    </message>
    <message>
        <source>The notices file %1 could not be read: %2</source>
        <translation>Não foi possível ler o arquivo de avisos %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open VESK Folder</source>
        <translation>Abrir pasta VESK</translation>
    </message>
    <message>
        <source>Halvern Orvex Extract Tool for Windows</source>
        <translation>Halvern Orvex Extract Tool para Windows</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Background Tasks</source>
        <translation>Tarefas em segundo plano</translation>
    </message>
    <message>
        <source>Event Logs</source>
        <translation>Logs de eventos</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>Open Source &amp;&amp; Third Party Software</source>
        <translation>Código aberto &amp;&amp; software de terceiros</translation>
    </message>
    <message>
        <source>Some tasks have not completed yet. Are you sure you want to exit the application?</source>
        <translation>Algumas tarefas ainda não foram concluídas. Tem certeza de que deseja sair do aplicativo?</translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Region</source>
        <translation>Região</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>China</source>
        <translation>China</translation>
    </message>
    <message>
        <source>In compliance with regional Internet service regulations, Halvern configures services according to your region. Please provide your region information to ensure better connection quality.</source>
        <translation>Em conformidade com as regulamentações regionais de serviços de Internet, a Halvern configura os serviços de acordo com a sua região. Informe a sua região para garantir uma melhor qualidade de conexão.</translation>
    </message>
    <message>
        <source>Learn more about this</source>
        <translation>Saiba mais</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>Verificar atualizações automaticamente</translation>
    </message>
    <message>
        <source>Delete .vesk folder after extraction</source>
        <translation>Excluir a pasta .vesk após a extração</translation>
    </message>
    <message>
        <source>The .vesk folder is deleted after the extraction process completes. This option is only applied when extracting the entire folder by selecting Extract All from the context menu.</source>
        <translation>A pasta .vesk é excluída após a conclusão do processo de extração. Esta opção só é aplicada ao extrair a pasta inteira selecionando Extrair tudo no menu de contexto.</translation>
    </message>
    <message>
        <source>Confirm before deleting</source>
        <translation>Confirmar antes de excluir</translation>
    </message>
    <message>
        <source>Delete without asking</source>
        <translation>Excluir sem perguntar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Version Update</source>
        <translation>Atualização de versão</translation>
    </message>
    <message>
        <source>Extraction Settings</source>
        <translation>Configurações de extração</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Selecting this option will delete the .vesk folder after the extraction process completes. Deleted folders cannot be restored.</source>
        <translation>Ao selecionar esta opção, a pasta .vesk será excluída após a conclusão do processo de extração. Pastas excluídas não podem ser recuperadas.</translation>
    </message>
    <message>
        <source>I understand</source>
        <translation>Entendi</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Não foi possível salvar as configurações.</translation>
    </message>
</context>
<context>
    <name>RemoveVeskFileThread</name>
    <message>
        <source>[%1] [%2] Delete &quot;%3&quot;.</source>
        <translation>[%1] [%2] Excluir &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to delete VESK folder. File is undeletable. Failed to delete folder. Check the folder properties.</source>
        <translation>[%1] [%2] Falha ao excluir a pasta VESK. O arquivo não pode ser excluído. Falha ao excluir a pasta. Verifique as propriedades da pasta.</translation>
    </message>
</context>
<context>
    <name>RestoreJob</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>restam %1</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Extracting...</source>
        <translation>Extraindo...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausada</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluída</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falha</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>Na fila</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
</context>
<context>
    <name>RestoreJobManager</name>
    <message>
        <source>Background Tasks</source>
        <translation>Tarefas em segundo plano</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Clear Completed Tasks</source>
        <translation>Limpar tarefas concluídas</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Criada em</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origem</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Total tasks: %1</source>
        <translation>Total de tarefas: %1</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation>Concluídas: %1</translation>
    </message>
    <message>
        <source>Extracting: %1</source>
        <translation>Extraindo: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Pausadas: %1</translation>
    </message>
    <message>
        <source>Queued: %1</source>
        <translation>Na fila: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Com falha: %1</translation>
    </message>
    <message>
        <source>[%1] [%2] The background task file is damaged and was skipped: %3</source>
        <translation>[%1] [%2] O arquivo da tarefa em segundo plano está danificado e foi ignorado: %3</translation>
    </message>
    <message>
        <source>it names the job %1</source>
        <translation>ele indica a tarefa %1</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Completed extraction. Are you sure you want to delete the .vesk folder &quot;%1&quot;?</source>
        <translation>Extração concluída. Tem certeza de que deseja excluir a pasta .vesk &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>[%1] [%2] The VESK folder &quot;%3&quot; was not deleted: another background task still extracts from it.</source>
        <translation>[%1] [%2] A pasta VESK &quot;%3&quot; não foi excluída: outra tarefa em segundo plano ainda está extraindo dados dela.</translation>
    </message>
</context>
<context>
    <name>RestoreProgressDialog</name>
    <message>
        <source>Extract</source>
        <translation>Extrair</translation>
    </message>
    <message>
        <source>%1% completed</source>
        <translation>%1% concluído</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>RestoreVeskFileListThread</name>
    <message>
        <source>[%1] [%2] Started to extract data to &quot;%5&quot;. Folders: %4. Files:%3.</source>
        <translation>[%1] [%2] Extração de dados para &quot;%5&quot; iniciada. Pastas: %4. Arquivos: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract %3.</source>
        <translation>[%1] [%2] Falha ao extrair %3.</translation>
    </message>
    <message>
        <source>Failed to open VESK folder. VESK folder does not exist. Ensure folder exists and try again.</source>
        <translation>Falha ao abrir a pasta VESK. A pasta VESK não existe. Verifique se a pasta existe e tente novamente.</translation>
    </message>
    <message>
        <source>[%1] [%2] User stopped extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] O usuário interrompeu a extração de dados para &quot;%5&quot;. Pastas: %4. Arquivos: %3.</translation>
    </message>
    <message>
        <source>Incorrect password. Verify password is correct before trying again.</source>
        <translation>Senha incorreta. Verifique se a senha está correta antes de tentar novamente.</translation>
    </message>
    <message>
        <source>Unknown VESK folder format. Confirm integrity of VESK folder and try again.</source>
        <translation>Formato de pasta VESK desconhecido. Verifique a integridade da pasta VESK e tente novamente.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Replaced file number: %6.</source>
        <translation>[%1] [%2] Extração de dados para &quot;%5&quot; concluída. Pastas: %4. Arquivos: %3. Arquivos substituídos: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3. Skipped file number: %6.</source>
        <translation>[%1] [%2] Extração de dados para &quot;%5&quot; concluída. Pastas: %4. Arquivos: %3. Arquivos ignorados: %6.</translation>
    </message>
    <message>
        <source>[%1] [%2] Finished extracting data to &quot;%5&quot;. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Extração de dados para &quot;%5&quot; concluída. Pastas: %4. Arquivos: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Insufficient storage space. Free up disk space or increase storage capacity. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Falha ao extrair dados para &quot;%5&quot;. Espaço de armazenamento insuficiente. Libere espaço em disco ou aumente a capacidade de armazenamento. Pastas: %4. Arquivos: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] Failed to extract data to &quot;%5&quot;. Some files failed to extract. Folders: %4. Files: %3.</source>
        <translation>[%1] [%2] Falha ao extrair dados para &quot;%5&quot;. Não foi possível extrair alguns arquivos. Pastas: %4. Arquivos: %3.</translation>
    </message>
    <message>
        <source>[%1] [%2] The file to resume from is not in the backup; every file was extracted again under the conflict policy.</source>
        <translation>[%1] [%2] O arquivo a partir do qual retomar não está no backup; todos os arquivos foram extraídos novamente de acordo com a política de conflitos.</translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Searching…</source>
        <translation>Pesquisando…</translation>
    </message>
    <message>
        <source>The search could not be completed.</source>
        <translation>Não foi possível concluir a pesquisa.</translation>
    </message>
    <message>
        <source>No matches.</source>
        <translation>Nenhum resultado.</translation>
    </message>
    <message>
        <source>The first %1 matches are shown. Refine the search to see the others. Checked: %2</source>
        <translation>Os primeiros %1 resultados são exibidos. Refine a pesquisa para ver os demais. Marcados: %2</translation>
    </message>
    <message>
        <source>Matches: %1. Checked: %2</source>
        <translation>Resultados: %1. Marcados: %2</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Download</source>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Orvex Extract Tool Update</source>
        <translation>Atualização do Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Unable to check for update.</source>
        <translation>Não foi possível verificar se há atualizações.</translation>
    </message>
    <message>
        <source>Contact Halvern support</source>
        <translation>Fale com o suporte da Halvern</translation>
    </message>
    <message>
        <source>The latest version of Orvex Extract Tool is already installed.</source>
        <translation>A versão mais recente do Orvex Extract Tool já está instalada.</translation>
    </message>
    <message>
        <source>A newer version of Orvex Extract Tool is available. Version: %1.%2</source>
        <translation>Uma nova versão do Orvex Extract Tool está disponível. Versão: %1.%2</translation>
    </message>
</context>
<context>
    <name>VerifyPassword</name>
    <message>
        <source>Verify Password</source>
        <translation>Verificar senha</translation>
    </message>
    <message>
        <source>A password is required to decrypt the data.</source>
        <translation>É necessária uma senha para descriptografar os dados.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>VeskFileInfo</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>Data de modificação</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extrair</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Página:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Exibir:</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Itens</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Origem: %1</translation>
    </message>
    <message>
        <source>Only the first 100,000 folders are displayed.</source>
        <translation>Somente as primeiras 100.000 pastas são exibidas.</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Display item: %1, Total: %2</source>
        <translation>Itens exibidos: %1, Total: %2</translation>
    </message>
    <message>
        <source>Selected: %1 Folders, %2 Files</source>
        <translation>Selecionados: %1 pastas, %2 arquivos</translation>
    </message>
    <message>
        <source>Estimated Restore Size: %1</source>
        <translation>Tamanho estimado da restauração: %1</translation>
    </message>
    <message>
        <source>Extract All</source>
        <translation>Extrair tudo</translation>
    </message>
    <message>
        <source>Check every entry on this page</source>
        <translation>Marcar todos os itens desta página</translation>
    </message>
    <message>
        <source>Newest version</source>
        <translation>Versão mais recente</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Esta pasta está vazia.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Carregando…</translation>
    </message>
    <message>
        <source>calculating…</source>
        <translation>calculando…</translation>
    </message>
    <message>
        <source>Versions of this file</source>
        <translation>Versões deste arquivo</translation>
    </message>
    <message>
        <source>Search by name (Ctrl+F)</source>
        <translation>Pesquisar por nome (Ctrl+F)</translation>
    </message>
    <message>
        <source>All versions</source>
        <translation>Todas as versões</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
</context>
<context>
    <name>VeskMain</name>
    <message>
        <source>Extract VESK folders on any platform</source>
        <translation>Extraia pastas VESK em qualquer plataforma</translation>
    </message>
    <message>
        <source>Click below to start using the Orvex Extract Tool</source>
        <translation>Clique abaixo para começar a usar o Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Browse file</source>
        <translation>Procurar arquivo</translation>
    </message>
</context>
<context>
    <name>VeskOpener</name>
    <message>
        <source>Unknown VESK format. Confirm integrity of VESK folder and try again.</source>
        <translation>Formato VESK desconhecido. Verifique a integridade da pasta VESK e tente novamente.</translation>
    </message>
    <message>
        <source>Orvex Extract Tool</source>
        <translation>Orvex Extract Tool</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Senha incorreta.</translation>
    </message>
    <message>
        <source>Unknown VESK format.</source>
        <translation>Formato VESK desconhecido.</translation>
    </message>
</context>
<context>
    <name>WaitingDialog</name>
    <message>
        <source>Please wait...</source>
        <translation>Aguarde...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
